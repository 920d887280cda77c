#pragma once

// A picture control showing one of the program's JPEG pictures, which
// reports a click of the left mouse button on it.

#include <QLabel>
#include <QString>

class Picture : public QLabel {
  Q_OBJECT

 public:
  // `resource` names a compiled-in JPEG (":/pictures/splash.jpg").
  Picture(const QString& resource, const QRect& geometry, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
