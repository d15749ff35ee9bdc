#pragma once
// Picture1 of the graph window: shows the drawn picture and passes the mouse on. The
// selection rectangle Shape1 lies on it.

#include <QFrame>
#include <QImage>
#include <QWidget>

namespace kovu3 {

class GraphCanvas final : public QWidget {
    Q_OBJECT
  public:
    explicit GraphCanvas(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    void setBackground(const QColor& colour);
    QFrame* shape() const { return shape_; }

  signals:
    void pressed(QPoint position, Qt::MouseButton button);
    void moved(QPoint position, Qt::MouseButtons buttons);
    void released(QPoint position, Qt::MouseButton button);
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QImage image_;
    QColor background_ = Qt::white;
    QFrame* shape_;
};

}  // namespace kovu3
