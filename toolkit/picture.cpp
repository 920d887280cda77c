#include "picture.h"

#include <QMouseEvent>
#include <QPixmap>

#include "jpeg_image.h"

Picture::Picture(const QString& resource, const QRect& geometry, QWidget* parent) : QLabel(parent) {
  setGeometry(geometry);
  setPixmap(QPixmap::fromImage(jpegResource(resource)));
  setScaledContents(true);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}
