// The image page: the buttons "打开图象" and "保存曲线图象" and the picture Image1, which
// shows the model's picture as the shared raster renderer draws it.
#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class QPushButton;
class QScrollArea;

namespace zarnix {

class RasterCanvas;
class TForm1;

class ImagePage : public QWidget {
 public:
  ImagePage(RasterCanvas& canvas, QWidget* parent = nullptr);

  // Captions, places and the picture as the model has them now.
  void Render(const TForm1& form);

  QPushButton* OpenButton() const { return open_; }  // BitBtn10
  QPushButton* SaveButton() const { return save_; }  // BitBtn11
  QLabel* Image1() const { return picture_; }
  QScrollArea* ImageArea() const { return area_; }

 private:
  void RenderPicture();

  RasterCanvas& canvas_;
  QPushButton* open_;
  QPushButton* save_;
  QScrollArea* area_;
  QLabel* picture_;
  std::uint64_t shownRevision_ = ~std::uint64_t{0};
};

}  // namespace zarnix
