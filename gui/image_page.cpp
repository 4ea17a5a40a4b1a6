// The image page's widgets and the copy of the picture they show.
#include "image_page.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

#include "app/layout.h"
#include "app/tform1.h"
#include "qt_text.h"
#include "render/raster_canvas.h"

namespace zarnix {

ImagePage::ImagePage(RasterCanvas& canvas, QWidget* parent)
    : QWidget(parent),
      canvas_(canvas),
      open_(new QPushButton(this)),
      save_(new QPushButton(this)),
      area_(new QScrollArea(this)),
      picture_(new QLabel) {
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  area_->setWidget(picture_);
  area_->setWidgetResizable(false);
  area_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  area_->setFrameShape(QFrame::NoFrame);
}

void ImagePage::Render(const TForm1& form) {
  open_->setText(ToQt(form.BitBtn10.caption));
  save_->setText(ToQt(form.BitBtn11.caption));
  open_->setEnabled(form.BitBtn10.enabled);
  save_->setEnabled(form.BitBtn11.enabled);
  const WindowLayout& l = form.Layout;
  open_->setGeometry(4, 4, l.runButtonWidth, l.buttonHeight);
  save_->setGeometry(4 + l.runButtonWidth + 6, 4, l.runButtonWidth, l.buttonHeight);
  const Rect area = zarnix::ImageArea(l);
  area_->setGeometry(area.left, area.top, area.width, area.height);
  RenderPicture();
}

void ImagePage::RenderPicture() {
  if (canvas_.Revision() == shownRevision_) return;
  shownRevision_ = canvas_.Revision();
  const RasterView view = canvas_.Raster();
  if (!view.data) {
    picture_->setPixmap(QPixmap());
    picture_->resize(0, 0);
    return;
  }
  // The canvas owns its pixels and redraws them later: the label gets its own copy.
  const QImage image(view.data, view.width, view.height, view.stride,
                     QImage::Format_ARGB32_Premultiplied);
  picture_->setPixmap(QPixmap::fromImage(image.copy()));
  picture_->resize(view.width, view.height);
}

}  // namespace zarnix
