#include "graph/ui/graph_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace kovu3 {

GraphCanvas::GraphCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setMinimumSize(400, 300);
    setCursor(Qt::CrossCursor);
    shape_ = new QFrame(this);
    shape_->setObjectName(QStringLiteral("Shape1"));
    shape_->setFrameShape(QFrame::Box);
    shape_->setStyleSheet(
        QStringLiteral("QFrame#Shape1 { border: 1px dashed black; background: transparent; }"));
    shape_->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape_->hide();
}

void GraphCanvas::setImage(const QImage& image) {
    image_ = image;
    update();
}

void GraphCanvas::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void GraphCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!image_.isNull()) painter.drawImage(QPoint(0, 0), image_);
}

void GraphCanvas::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), event->button());
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint(), event->buttons());
}

void GraphCanvas::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->position().toPoint(), event->button());
}

void GraphCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

}  // namespace kovu3
