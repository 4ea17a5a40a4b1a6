// The block model's algebra (direct outputs in order, or a loop of them solved at once), the
// nonlinear elements and the RK4 run that keeps every fifth step.
#include "numeric/control_blocks.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/convert.h"
#include "base/errors.h"
#include "base/fpu.h"
#include "numeric/control_response.h"
#include "numeric/linear_algebra.h"
#include "numeric/ode.h"

namespace zarnix {

namespace {

constexpr int kKeepEvery = 5;

std::string BlockText(int i) {
  return "方框" + IntToStr(i + 1);
}

void Fail(const std::string& text) {
  throw Exception(text);
}

Extended Slope(Extended k) {
  return k == 0 ? 1 : k;
}

bool HasMemory(NonlinearKind kind) {
  return kind == NonlinearKind::kRelay || kind == NonlinearKind::kBacklash;
}

struct Incoming {
  int from;  // -1: the external input
  Extended gain;
};

// The values of one evaluation: block inputs u, element outputs v, block outputs y.
struct Signals {
  std::vector<Extended> u, v, y;
};

// The diagram prepared for evaluation: per block its direct term and incoming connections,
// and either an order for the direct blocks or the factors of their loop.
class DiagramModel {
 public:
  explicit DiagramModel(const BlockDiagram& diagram)
      : diagram_(diagram), n_(diagram.blocks.size()) {
    CheckBlocks();
    Connect();
    PlanDirectBlocks();
  }

  std::size_t Size() const { return n_; }

  // y, u and v for the state x and the elements' memories. Within a step (`inStep`) a relay
  // holds the output it switched to at the step's start: letting the stages switch it would
  // average its two levels to a false rest near the threshold.
  void Evaluate(std::span<const Extended> x, std::span<const Extended> memory, Signals& s,
                bool inStep) const {
    for (std::size_t i = 0; i < n_; ++i) s.y[i] = x[i];
    if (!loopBlocks_.empty()) {
      SolveLoop(x, s);
    } else {
      for (const int i : order_) {
        s.u[i] = Input(i, s.y);
        s.v[i] = Element(i, s.u[i], memory[i], inStep);
        s.y[i] = x[i] + direct_[i] * s.v[i];
      }
    }
    for (std::size_t i = 0; i < n_; ++i) {
      s.u[i] = Input(i, s.y);
      s.v[i] = Element(i, s.u[i], memory[i], inStep);
    }
  }

  // x' = (C·v − A·y)/B for the blocks with a state, 0 for the gains.
  void Derivatives(const Signals& s, std::span<Extended> dx) const {
    for (std::size_t i = 0; i < n_; ++i) dx[i] = rate_[i].c * s.v[i] - rate_[i].a * s.y[i];
  }

  Extended Element(std::size_t i, Extended u, Extended memory, bool inStep) const {
    const NonlinearElement& element = diagram_.blocks[i].nonlinear;
    if (element.kind == NonlinearKind::kNone) return u;
    if (inStep && element.kind == NonlinearKind::kRelay) return memory;
    return NonlinearOutput(element, u, memory);
  }

 private:
  void CheckBlocks() {
    direct_.resize(n_);
    rate_.resize(n_);
    for (std::size_t i = 0; i < n_; ++i) {
      const ControlBlock& b = diagram_.blocks[i];
      if (b.a == 0 && b.b == 0) Fail(BlockText(i) + "的分母A+B*s为0");
      if (b.b == 0 && b.d != 0) Fail(BlockText(i) + "是纯微分环节(B=0而D≠0)，无法仿真");
      direct_[i] = b.b != 0 ? b.d / b.b : b.c / b.a;
      if (b.b != 0) rate_[i] = {b.c / b.b, b.a / b.b};
    }
  }

  void Connect() {
    incoming_.resize(n_);
    const int n = static_cast<int>(n_);
    for (const BlockConnection& c : diagram_.connections) {
      if (c.from < 0 || c.from > n || c.to < 1 || c.to > n)
        Fail("连接(" + IntToStr(c.from) + "," + IntToStr(c.to) + ")的方框号超出1到" + IntToStr(n) +
             "的范围");
      if (c.gain != 0) incoming_[c.to - 1].push_back({c.from - 1, c.gain});
    }
  }

  bool Direct(int i) const { return i >= 0 && direct_[i] != 0; }

  // Direct blocks in an order in which each follows the direct blocks feeding it; when they
  // close a loop, the loop is solved instead, which needs every element in it linear.
  void PlanDirectBlocks() {
    std::vector<int> pending(n_, 0);
    std::vector<int> ready;
    for (std::size_t i = 0; i < n_; ++i) {
      if (!Direct(static_cast<int>(i))) continue;
      for (const Incoming& in : incoming_[i]) pending[i] += Direct(in.from);
      if (pending[i] == 0) ready.push_back(static_cast<int>(i));
    }
    while (!ready.empty()) {
      const int j = ready.back();
      ready.pop_back();
      order_.push_back(j);
      for (std::size_t i = 0; i < n_; ++i) {
        if (!Direct(static_cast<int>(i))) continue;
        for (const Incoming& in : incoming_[i])
          if (in.from == j && --pending[i] == 0) ready.push_back(static_cast<int>(i));
      }
    }
    std::size_t directCount = 0;
    for (std::size_t i = 0; i < n_; ++i) directCount += Direct(static_cast<int>(i));
    if (order_.size() < directCount) FactorLoop();
  }

  // (I − F·W) y_P = x_P + F·(inputs from outside P) over the direct blocks P.
  void FactorLoop() {
    order_.clear();
    std::vector<int> position(n_, -1);
    for (std::size_t i = 0; i < n_; ++i) {
      if (!Direct(static_cast<int>(i))) continue;
      if (diagram_.blocks[i].nonlinear.kind != NonlinearKind::kNone)
        Fail(BlockText(i) + "的非线性环节处在代数环中，无法仿真");
      position[i] = static_cast<int>(loopBlocks_.size());
      loopBlocks_.push_back(static_cast<int>(i));
    }
    RCOMat m(static_cast<int>(loopBlocks_.size()));
    for (std::size_t k = 0; k < loopBlocks_.size(); ++k) {
      const int i = loopBlocks_[k];
      m(k, k) += 1;
      for (const Incoming& in : incoming_[i])
        if (Direct(in.from)) m(k, position[in.from]) -= direct_[i] * in.gain;
    }
    // Solved at every stage, so the inverse once is cheaper than the factors.
    MatrixInverse inverse = InvertMatrix(m);
    if (inverse.determinant == 0) Fail("方框的直通项构成无解的代数环，无法仿真");
    loop_ = std::move(inverse.inverse);
    rhs_.resize(loopBlocks_.size());
  }

  void SolveLoop(std::span<const Extended> x, Signals& s) const {
    const std::size_t p = loopBlocks_.size();
    for (std::size_t k = 0; k < p; ++k) {
      const int i = loopBlocks_[k];
      Extended outside = 0;
      for (const Incoming& in : incoming_[i])
        if (!Direct(in.from)) outside += in.gain * Source(in.from, s.y);
      rhs_[k] = x[i] + direct_[i] * outside;
    }
    for (std::size_t k = 0; k < p; ++k) {
      Extended y = 0;
      for (std::size_t l = 0; l < p; ++l)
        y += loop_(static_cast<int>(k), static_cast<int>(l)) * rhs_[l];
      s.y[loopBlocks_[k]] = y;
    }
  }

  Extended Source(int from, std::span<const Extended> y) const {
    return from < 0 ? diagram_.input : y[from];
  }

  Extended Input(std::size_t i, std::span<const Extended> y) const {
    Extended sum = 0;
    for (const Incoming& in : incoming_[i]) sum += in.gain * Source(in.from, y);
    return sum;
  }

  const BlockDiagram& diagram_;
  std::size_t n_;
  std::vector<Extended> direct_;  // D/B, or C/A for a gain
  // x' = c·v − a·y: C/B and A/B of a block with a state, zeros for a gain.
  struct Rate {
    Extended c = 0, a = 0;
  };
  std::vector<Rate> rate_;
  std::vector<std::vector<Incoming>> incoming_;
  std::vector<int> order_;
  std::vector<int> loopBlocks_;
  RCOMat loop_;                        // (I − F·W)^-1 over the loop's blocks
  mutable std::vector<Extended> rhs_;  // scratch of SolveLoop
};

void CheckRecorded(std::span<const int> recorded, std::size_t n) {
  for (const int j : recorded)
    if (j < 1 || j > static_cast<int>(n))
      Fail("输出方框号" + IntToStr(j) + "超出1到" + IntToStr(static_cast<int>(n)) + "的范围");
}

}  // namespace

Extended NonlinearOutput(const NonlinearElement& element, Extended u, Extended memory) {
  const Extended c = std::fabs(element.first);
  switch (element.kind) {
    case NonlinearKind::kNone:
      return u;
    case NonlinearKind::kSaturation:
      return Slope(element.second) * std::clamp(u, -c, c);
    case NonlinearKind::kDeadZone:
      return std::fabs(u) <= c ? 0 : Slope(element.second) * (u - std::copysign(c, u));
    case NonlinearKind::kRelay: {
      const Extended h = std::fabs(element.second);
      if (u > h) return element.first;
      if (u < -h) return -element.first;
      return memory;
    }
    case NonlinearKind::kBacklash: {
      const Extended k = Slope(element.second);
      const Extended low = std::min(k * (u - c), k * (u + c));
      const Extended high = std::max(k * (u - c), k * (u + c));
      return std::clamp(memory, low, high);
    }
  }
  return u;
}

std::vector<std::vector<Extended>> BlockDiagramSimulation(const BlockDiagram& diagram, Extended dt,
                                                          int steps,
                                                          std::span<const int> recorded) {
  CheckTimeStep(dt);
  const DiagramModel model(diagram);
  const std::size_t n = model.Size();
  CheckRecorded(recorded, n);
  const int slots = std::max(steps, 0) / kKeepEvery + 1;
  std::vector<std::vector<Extended>> table(recorded.size(), std::vector<Extended>(slots, 0));

  FpFaultScope scope;
  std::vector<Extended> x(n), memory(n, 0);
  for (std::size_t i = 0; i < n; ++i)
    x[i] = diagram.blocks[i].b == 0 ? 0 : diagram.blocks[i].initial;
  Signals s{std::vector<Extended>(n), std::vector<Extended>(n), std::vector<Extended>(n)};
  // After each step (and at the start) the memories take the elements' outputs.
  const auto settle = [&](int step) {
    model.Evaluate(x, memory, s, false);
    for (std::size_t i = 0; i < n; ++i)
      if (HasMemory(diagram.blocks[i].nonlinear.kind)) memory[i] = s.v[i];
    if (step % kKeepEvery != 0) return;
    for (std::size_t r = 0; r < recorded.size(); ++r)
      table[r][step / kKeepEvery] = s.y[recorded[r] - 1];
  };
  settle(0);
  Signals stage = s;
  const TimedOdeRightSide f = [&](Extended, std::span<const Extended> state,
                                  std::span<Extended> dx) {
    model.Evaluate(state, memory, stage, true);
    model.Derivatives(stage, dx);
  };
  Rk4Work work;
  for (int step = 1; step <= steps; ++step) {
    RungeKutta4Step(f, 0, dt, x, work);
    settle(step);
    CheckFpFaults();
  }
  return table;
}

}  // namespace zarnix
