// The 3D view's mouse and keys: the camera's moves, flying, and a click picking.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "ui/level_view.h"

namespace tilesmith {

void LevelView::mousePressEvent(QMouseEvent* event) {
    if (dragging_ != Qt::NoButton) return;
    dragging_ = event->button();
    press_at_ = last_at_ = event->position().toPoint();
    moved_ = false;
    setFocus();
    if (dragging_ == Qt::RightButton) fly_timer_.start();
}

void LevelView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QPoint d = at - last_at_;
    last_at_ = at;
    if ((at - press_at_).manhattanLength() > 3) moved_ = true;
    framed_whole_ = false;
    switch (dragging_) {
        case Qt::LeftButton: camera_.orbit(float(d.x()), float(d.y())); break;
        case Qt::MiddleButton: camera_.pan(float(d.x()), float(d.y()), height()); break;
        case Qt::RightButton: camera_.look(float(d.x()), float(d.y())); break;
        default: return;
    }
    update();
}

void LevelView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != dragging_) return;
    const Qt::MouseButton was = dragging_;
    dragging_ = Qt::NoButton;
    fly_timer_.stop();
    if (was != Qt::LeftButton || moved_ || !scene_ || !picked_) return;
    const QPointF at = event->position();
    const Ray ray = camera_.ray(float(at.x()), float(at.y()), width(), height());
    if (const auto hit = scene_->pick({to_level(ray.origin), to_level(ray.direction)},
                                      scene_->shown_rooms(look_.flipped), facing()))
        picked_(*hit);
}

void LevelView::wheelEvent(QWheelEvent* event) {
    camera_.zoom(float(event->angleDelta().y()) / 120.0f);
    framed_whole_ = false;
    update();
    event->accept();
}

void LevelView::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    keys_.insert(event->key());
}

void LevelView::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) keys_.remove(event->key());
}

void LevelView::focusOutEvent(QFocusEvent* event) {
    keys_.clear();
    QOpenGLWidget::focusOutEvent(event);
}

void LevelView::fly_tick() {
    const auto held = [&](int key) { return keys_.contains(key) ? 1.0f : 0.0f; };
    const float forward = held(Qt::Key_W) - held(Qt::Key_S), right = held(Qt::Key_D) - held(Qt::Key_A);
    const float up = held(Qt::Key_E) - held(Qt::Key_Q);
    if (forward == 0 && right == 0 && up == 0) return;
    const float step = camera_.step() / 4;
    camera_.fly(forward * step, right * step, up * step);
    framed_whole_ = false;
    update();
}

}  // namespace tilesmith
