// Block-diagram simulation: first-order blocks (C + D·s)/(A + B·s) joined by a connection
// list, with an optional nonlinear element in front of each block, advanced by RK4.
//
// Each block's input u_i is the gain-weighted sum of the block outputs and of the external
// input wired to it; the nonlinear element turns u_i into v_i, and the block obeys
// B·y' + A·y = D·v' + C·v. A block with B ≠ 0 keeps the state x = y − (D/B)·v with
// x' = (C·v − A·y)/B, so y = x + (D/B)·v; a block with B = 0 is the gain C/A without state.
// Blocks whose output follows their input at once (D ≠ 0 or B = 0) are evaluated in the order
// of their connections; a loop made only of such blocks is solved as a linear system.
#pragma once

#include <span>
#include <vector>

#include "base/extended.h"

namespace zarnix {

enum class NonlinearKind {
  kNone = 0,
  kSaturation = 1,  // k·u within ±c, k·c·sign(u) beyond
  kDeadZone = 2,    // 0 within ±c, k·(u ∓ c) beyond
  kRelay = 3,       // +M above h, −M below −h, the last output in between
  kBacklash = 4,    // follows k·(u ∓ c) only once the play of ±c is taken up
};

inline constexpr int kLastNonlinearKind = 4;

struct NonlinearElement {
  NonlinearKind kind = NonlinearKind::kNone;
  Extended first = 0;   // the threshold c, or the relay level M
  Extended second = 0;  // the slope k (0 stands for 1), or the relay's hysteresis h
};

struct ControlBlock {
  Extended a = 0, b = 0, c = 0, d = 0;  // (C + D·s)/(A + B·s)
  Extended initial = 0;                 // x at t = 0: the initial output of a block with D = 0
  NonlinearElement nonlinear;           // in front of the block's input
};

struct BlockConnection {
  int from = 0;  // a block number from 1, or 0 for the external input
  int to = 0;    // a block number from 1
  Extended gain = 0;
};

struct BlockDiagram {
  std::vector<ControlBlock> blocks;
  std::vector<BlockConnection> connections;
  Extended input = 0;  // the external input, a step applied at t = 0
};

// The element's output for input u; memory is its last output (used by relay and backlash).
Extended NonlinearOutput(const NonlinearElement& element, Extended u, Extended memory);

// The outputs of the recorded blocks (numbers from 1) at t = 0 and after every fifth step:
// result[i][m] is block recorded[i] after 5m steps, m = 0 … steps div 5. Memory elements
// change only between steps, so the stages of one step see the same relay and backlash
// state. Throws an Exception for a block with A = B = 0 or a pure derivative (B = 0, D ≠ 0),
// a block number out of range, a loop of direct blocks that has no solution or that holds a
// nonlinear element, or a step that is not positive; floating-point faults throw theirs.
std::vector<std::vector<Extended>> BlockDiagramSimulation(const BlockDiagram& diagram, Extended dt,
                                                          int steps, std::span<const int> recorded);

}  // namespace zarnix
