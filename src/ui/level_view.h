// The 3D picture of a level: its scene's faces and sprites textured with a
// package's pages through OpenGL, the camera moved as level viewers move it
// (orbit with the left button, pan with the middle, wheel to zoom, fly with
// W A S D (Q, E down and up) while the right button is held), a click telling
// which face or sprite it hit. Animated textures step on a timer while asked.
// It asks for OpenGL 3.3 core and speaks GLSL 3.30 there, GLSL 1.20 in an
// older context (see model/shader_dialect.h); where it cannot draw it says why.
#pragma once
#include <QOpenGLFunctions>
#include <QOpenGLVertexArrayObject>
#include <QOpenGLWidget>
#include <QSurfaceFormat>
#include <QPoint>
#include <QSet>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/package.h"
#include "model/level_camera.h"
#include "model/level_scene.h"
#include "model/page_tracker.h"
#include "model/shader_dialect.h"
#include "strings/phrase.h"
#include "ui/level_draw_lists.h"

class QOpenGLShaderProgram;

namespace tilesmith {

struct LevelLook {
    bool bilinear = false;   // point-sampled like the game unless set
    bool lighting = true;    // the rooms' own light
    bool flipped = false;    // the alternate rooms in place of theirs
    bool animated = false;   // animated textures cycle through their ranges
};

class LevelView : public QOpenGLWidget, protected QOpenGLFunctions {
    Q_OBJECT
public:
    explicit LevelView(QWidget* parent = nullptr);
    ~LevelView() override;

    // The scene and the package that dresses it; the package is read at each
    // frame after package_changed(), which uploads only the pages that differ.
    void show_level(std::shared_ptr<const LevelScene> scene, const Package* package);
    void package_changed();
    void set_look(const LevelLook& look);
    const LevelLook& look() const { return look_; }
    // The faces and sprites whose texture takes pixels of the tile are tinted; none with nullopt.
    void tint_tile(std::optional<std::pair<int, int>> tile);
    // The camera sees the shown rooms whole, or one room.
    void frame_level();
    void frame_room(int room);
    // A click (no drag) on a face or a sprite of the scene.
    void on_picked(std::function<void(const ScenePick&)> handler) { picked_ = std::move(handler); }

    const LevelCamera& camera() const { return camera_; }
    // Pages uploaded since the view was made, for the benchmark and the tests.
    long long uploaded_pages() const { return uploaded_pages_; }
    // False when OpenGL would not start in this widget.
    bool working() const { return working_; }
    // Why the view cannot draw in the context it was given, once it tried;
    // `handler` is called when that becomes known.
    const std::optional<Phrase>& trouble() const { return trouble_; }
    void on_trouble(std::function<void()> handler) { troubled_ = std::move(handler); }
    ShaderDialect dialect() const { return dialect_; }

    // The format a view should be given: OpenGL 3.3 core where this session
    // makes such a context, else the session's default one; none where no
    // context can be made at all.
    static std::optional<QSurfaceFormat> format_to_ask();

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int width, int height) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Animated textures step only while the view shows.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // A list of faces in OpenGL: its vertices, their tint, and what they are.
    struct FaceBuffers {
        unsigned vertices = 0, tint = 0;
        std::vector<DrawBatch> batches;
        std::vector<int> faces;  // the face of each vertex, for the tint
    };
    void fill(FaceBuffers& buffers, FacesOf which);
    void rebuild_tint(FaceBuffers& buffers);
    void upload_pages();
    // The batches drawn added to what lies behind, or the others.
    void draw(const std::vector<DrawBatch>& batches, unsigned vertices, unsigned tint, bool additive);
    SpriteFacing facing() const;
    void release_gl();
    // Frees what the view holds in OpenGL and tells why it cannot draw.
    void cannot_draw(Phrase why);
    void fly_tick();
    void frame_box(const std::array<float, 3>& low, const std::array<float, 3>& high);

    std::shared_ptr<const LevelScene> scene_;
    const Package* package_ = nullptr;
    LevelLook look_;
    LevelCamera camera_;
    std::optional<std::pair<int, int>> tint_;
    std::function<void(const ScenePick&)> picked_;

    PageTracker tracker_;
    bool pages_stale_ = true, vertices_stale_ = true, step_stale_ = true, tint_stale_ = true;
    bool working_ = true;
    bool gl_ready_ = false;  // its OpenGL functions resolved in the present context
    std::optional<Phrase> trouble_;
    std::function<void()> troubled_;
    ShaderDialect dialect_ = ShaderDialect::none;
    // Core profiles draw nothing without one; older contexts may lack them.
    QOpenGLVertexArrayObject vertex_array_;
    long long uploaded_pages_ = 0;
    std::vector<unsigned> textures_;
    std::unique_ptr<QOpenGLShaderProgram> program_;
    // The faces built once a level, and those whose texture steps while animated.
    FaceBuffers still_, stepping_;
    unsigned sprite_buffer_ = 0, sprite_tint_buffer_ = 0;

    Qt::MouseButton dragging_ = Qt::NoButton;
    QPoint press_at_, last_at_;
    bool moved_ = false;
    // Framed whole and not moved since: a new size frames it again.
    bool framed_whole_ = false;
    QSet<int> keys_;
    QMetaObject::Connection context_gone_;
    QTimer fly_timer_;
    QTimer step_timer_;
    long long step_ = 0;  // of the animated textures' cycle
};

}  // namespace tilesmith
