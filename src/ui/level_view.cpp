// The 3D picture of a level through OpenGL: one texture a page, the faces in
// batches of one page, blend and sidedness, a program that cuts out the
// transparent colour, lights and tints.
#include "ui/level_view.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLShaderProgram>
#include <algorithm>

#include "core/color.h"
#include "core/dimensions.h"
#include "ui/level_shaders.h"

namespace tilesmith {

namespace {

GlContextKind kind_of(const QOpenGLContext& context) {
    const QSurfaceFormat f = context.format();
    return {f.majorVersion(), f.minorVersion(), f.profile() == QSurfaceFormat::CoreProfile, context.isOpenGLES()};
}

// The first line of a compiler's or linker's log that says something, or nothing.
std::string first_line(const QString& log) {
    for (const QString& line : log.split(QLatin1Char('\n'))) {
        const QString said = line.trimmed();
        if (!said.isEmpty()) return said.left(200).toStdString();
    }
    return {};
}

}  // namespace

LevelView::LevelView(QWidget* parent) : QOpenGLWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
    fly_timer_.setInterval(16);
    connect(&fly_timer_, &QTimer::timeout, this, [this] { fly_tick(); });
    // Eight steps a second, as the games step their animated textures.
    step_timer_.setInterval(125);
    connect(&step_timer_, &QTimer::timeout, this, [this] {
        ++step_;
        step_stale_ = true;
        update();
    });
}

LevelView::~LevelView() {
    // The context goes with the QOpenGLWidget part, after this one: it must
    // not call back into a view that is no longer one.
    disconnect(context_gone_);
    if (context()) {
        makeCurrent();
        release_gl();
        doneCurrent();
    }
}

std::optional<QSurfaceFormat> LevelView::format_to_ask() {
    QSurfaceFormat core = QSurfaceFormat::defaultFormat();
    core.setRenderableType(QSurfaceFormat::OpenGL);
    core.setVersion(3, 3);
    core.setProfile(QSurfaceFormat::CoreProfile);
    const QSurfaceFormat formats[] = {core, QSurfaceFormat::defaultFormat()};
    for (const QSurfaceFormat& format : formats) {
        QOffscreenSurface surface;
        surface.setFormat(format);
        surface.create();
        QOpenGLContext context;
        context.setFormat(format);
        if (!context.create() || !context.makeCurrent(&surface)) continue;
        context.doneCurrent();
        // A driver may hand out an older context than asked for: then the
        // session's own, which the view judges when it starts.
        if (&format != &core || shader_dialect(kind_of(context)) == ShaderDialect::glsl330) return format;
    }
    return std::nullopt;
}

void LevelView::release_gl() {
    if (!gl_ready_ || !QOpenGLContext::currentContext()) return;
    gl_ready_ = false;
    vertex_array_.destroy();
    if (!textures_.empty()) glDeleteTextures(GLsizei(textures_.size()), textures_.data());
    textures_.clear();
    for (unsigned* buffer : {&still_.vertices, &still_.tint, &stepping_.vertices, &stepping_.tint, &sprite_buffer_,
                              &sprite_tint_buffer_}) {
        if (*buffer) glDeleteBuffers(1, buffer);
        *buffer = 0;
    }
    program_.reset();
}

void LevelView::show_level(std::shared_ptr<const LevelScene> scene, const Package* package) {
    const bool fresh = scene != scene_;
    scene_ = std::move(scene);
    package_ = package;
    tracker_.forget();
    pages_stale_ = vertices_stale_ = tint_stale_ = true;
    if (fresh) frame_level();
    set_look(look_);
}

void LevelView::package_changed() {
    pages_stale_ = true;
    update();
}

void LevelView::set_look(const LevelLook& look) {
    if (look.flipped != look_.flipped || look.animated != look_.animated) vertices_stale_ = tint_stale_ = true;
    look_ = look;
    const bool stepping = look_.animated && scene_ && scene_->has_animated() && isVisible();
    if (stepping && !step_timer_.isActive()) step_timer_.start();
    if (!stepping) step_timer_.stop();
    update();
}

void LevelView::showEvent(QShowEvent* event) {
    QOpenGLWidget::showEvent(event);
    set_look(look_);
}

void LevelView::hideEvent(QHideEvent* event) {
    step_timer_.stop();
    QOpenGLWidget::hideEvent(event);
}

void LevelView::tint_tile(std::optional<std::pair<int, int>> tile) {
    if (tile == tint_) return;
    tint_ = tile;
    tint_stale_ = true;
    update();
}

void LevelView::frame_box(const std::array<float, 3>& low, const std::array<float, 3>& high) {
    // The level's y and z turn round in the view's space.
    camera_.frame({low[0], -high[1], -high[2]}, {high[0], -low[1], -low[2]},
                  float(std::max(width(), 1)) / float(std::max(height(), 1)));
    update();
}

void LevelView::frame_level() {
    if (!scene_) return;
    const std::vector<bool> shown = scene_->shown_rooms(look_.flipped);
    std::optional<std::pair<std::array<float, 3>, std::array<float, 3>>> box;
    for (std::size_t r = 0; r < scene_->rooms().size(); ++r) {
        const SceneRoom& room = scene_->rooms()[r];
        if (!shown[r] || room.face_count == 0) continue;
        if (!box) box.emplace(room.low, room.high);
        for (std::size_t a = 0; a < 3; ++a) {
            box->first[a] = std::min(box->first[a], room.low[a]);
            box->second[a] = std::max(box->second[a], room.high[a]);
        }
    }
    if (box) frame_box(box->first, box->second);
    framed_whole_ = true;
}

void LevelView::frame_room(int room) {
    if (!scene_ || room < 0 || std::size_t(room) >= scene_->rooms().size()) return;
    const SceneRoom& r = scene_->rooms()[std::size_t(room)];
    if (r.face_count > 0) frame_box(r.low, r.high);
    framed_whole_ = false;
}

void LevelView::resizeGL(int, int) {
    if (framed_whole_) frame_level();
}

void LevelView::cannot_draw(Phrase why) {
    release_gl();
    working_ = false;
    trouble_ = std::move(why);
    if (troubled_) troubled_();
}

void LevelView::initializeGL() {
    release_gl();
    working_ = context() && context()->isValid();
    trouble_.reset();
    if (!working_) return cannot_draw(Msg::NoOpenGL);
    initializeOpenGLFunctions();
    gl_ready_ = true;
    const GlContextKind kind = kind_of(*context());
    dialect_ = shader_dialect(kind);
    if (dialect_ == ShaderDialect::none) return cannot_draw(Phrase(Msg::ViewNeedsOpenGL).arg(context_name(kind)));
    const bool modern = dialect_ == ShaderDialect::glsl330;
    program_ = std::make_unique<QOpenGLShaderProgram>();
    if (!program_->addShaderFromSourceCode(QOpenGLShader::Vertex, level_shaders::vertex_source(modern)) ||
        !program_->addShaderFromSourceCode(QOpenGLShader::Fragment, level_shaders::fragment_source(modern)) ||
        !program_->link()) {
        const std::string said = first_line(program_->log());
        return cannot_draw(Phrase(Msg::ViewShadersRefused).arg(said.empty() ? context_name(kind) : said));
    }
    vertex_array_.create();
    for (unsigned* buffer : {&still_.vertices, &still_.tint, &stepping_.vertices, &stepping_.tint, &sprite_buffer_,
                              &sprite_tint_buffer_})
        glGenBuffers(1, buffer);
    pages_stale_ = vertices_stale_ = tint_stale_ = true;
    tracker_.forget();
    disconnect(context_gone_);
    context_gone_ = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        release_gl();
        doneCurrent();
    });
}

void LevelView::fill(FaceBuffers& buffers, FacesOf which) {
    FaceList list;
    if (scene_) list = face_list(*scene_, scene_->shown_rooms(look_.flipped), which, step_);
    buffers.batches = std::move(list.batches);
    buffers.faces = std::move(list.faces);
    glBindBuffer(GL_ARRAY_BUFFER, buffers.vertices);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(list.vertices.size() * sizeof(DrawVertex)), list.vertices.data(),
                 which == FacesOf::stepping ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW);
    rebuild_tint(buffers);
}

void LevelView::rebuild_tint(FaceBuffers& buffers) {
    const std::vector<float> tint = scene_ ? face_tint(*scene_, buffers.faces, tint_) : std::vector<float>{};
    glBindBuffer(GL_ARRAY_BUFFER, buffers.tint);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(tint.size() * sizeof(float)), tint.data(), GL_DYNAMIC_DRAW);
}

SpriteFacing LevelView::facing() const {
    // The picture's right and down, turned from the view's space into the level's.
    return {to_level(camera_.right()), to_level(add({}, camera_.up(), -1))};
}

void LevelView::upload_pages() {
    pages_stale_ = false;
    if (!package_) return;
    const int pages = package_->height() / kPageSide;
    if (int(textures_.size()) != pages) {
        if (!textures_.empty()) glDeleteTextures(GLsizei(textures_.size()), textures_.data());
        textures_.assign(std::size_t(pages), 0);
        if (pages > 0) glGenTextures(GLsizei(pages), textures_.data());
        tracker_.forget();
    }
    std::vector<std::uint8_t> rgba(std::size_t(kPageSide) * kPageSide * 4);
    const int width = std::min(package_->width(), kPageSide);
    for (const int page : tracker_.changed_pages(*package_)) {
        if (page >= pages) continue;
        std::fill(rgba.begin(), rgba.end(), std::uint8_t(0));
        for (int y = 0; y < kPageSide; ++y) {
            const std::uint8_t* bgr = package_->row(page * kPageSide + y);
            std::uint8_t* out = &rgba[std::size_t(y) * kPageSide * 4];
            for (int x = 0; x < width; ++x, bgr += 3, out += 4) {
                // The transparent colour is left out of every face.
                const bool transparent = pack_rgb(bgr[2], bgr[1], bgr[0]) == kTransparent;
                out[0] = bgr[2], out[1] = bgr[1], out[2] = bgr[0], out[3] = transparent ? 0 : 255;
            }
        }
        glBindTexture(GL_TEXTURE_2D, textures_[std::size_t(page)]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kPageSide, kPageSide, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        ++uploaded_pages_;
    }
}

void LevelView::paintGL() {
    if (!working_) return;
    glClearColor(0.13f, 0.14f, 0.16f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!scene_ || !package_) return;
    // Without animation every face is still; with it, the stepping ones are
    // made again at each step of their cycle and no more often.
    const bool stepping = look_.animated && scene_->has_animated();
    if (vertices_stale_) fill(still_, stepping ? FacesOf::still : FacesOf::all);
    else if (tint_stale_) rebuild_tint(still_);
    if (!stepping) {
        stepping_.batches.clear();
        stepping_.faces.clear();
    } else if (vertices_stale_ || step_stale_) fill(stepping_, FacesOf::stepping);
    else if (tint_stale_) rebuild_tint(stepping_);
    vertices_stale_ = step_stale_ = tint_stale_ = false;
    if (pages_stale_) upload_pages();

    const QOpenGLVertexArrayObject::Binder bound(&vertex_array_);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    // The levels' faces turn clockwise on screen when seen from the front.
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    program_->bind();
    const float aspect = float(std::max(width(), 1)) / float(std::max(height(), 1));
    const Matrix4 m = camera_.transform(aspect);
    glUniformMatrix4fv(program_->uniformLocation("transform"), 1, GL_FALSE, m.data());
    program_->setUniformValue("lighting", look_.lighting ? 1.0f : 0.0f);
    program_->setUniformValue("page", 0);
    for (const FaceBuffers* b : {&still_, &stepping_}) draw(b->batches, b->vertices, b->tint, false);
    // Sprites face the camera: their quads are made again for every frame.
    const SpriteList sprites = sprite_list(*scene_, scene_->shown_rooms(look_.flipped), facing(), tint_);
    if (!sprites.vertices.empty()) {
        glBindBuffer(GL_ARRAY_BUFFER, sprite_buffer_);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sprites.vertices.size() * sizeof(DrawVertex)), sprites.vertices.data(),
                     GL_STREAM_DRAW);
        glBindBuffer(GL_ARRAY_BUFFER, sprite_tint_buffer_);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sprites.tint.size() * sizeof(float)), sprites.tint.data(),
                     GL_STREAM_DRAW);
        draw(sprites.batches, sprite_buffer_, sprite_tint_buffer_, false);
    }
    // Faces added to what lies behind come last, so that everything behind them is there.
    for (const FaceBuffers* b : {&still_, &stepping_}) draw(b->batches, b->vertices, b->tint, true);
    program_->release();
}

void LevelView::draw(const std::vector<DrawBatch>& batches, unsigned vertices, unsigned tint_buffer, bool additive) {
    const int position = program_->attributeLocation("position"), uv = program_->attributeLocation("uv");
    const int light = program_->attributeLocation("light"), tint = program_->attributeLocation("tint");
    glBindBuffer(GL_ARRAY_BUFFER, vertices);
    glEnableVertexAttribArray(GLuint(position));
    glVertexAttribPointer(GLuint(position), 3, GL_FLOAT, GL_FALSE, sizeof(DrawVertex), nullptr);
    glEnableVertexAttribArray(GLuint(uv));
    glVertexAttribPointer(GLuint(uv), 2, GL_FLOAT, GL_FALSE, sizeof(DrawVertex),
                          reinterpret_cast<const void*>(offsetof(DrawVertex, uv)));
    glEnableVertexAttribArray(GLuint(light));
    glVertexAttribPointer(GLuint(light), 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(DrawVertex),
                          reinterpret_cast<const void*>(offsetof(DrawVertex, light)));
    glBindBuffer(GL_ARRAY_BUFFER, tint_buffer);
    glEnableVertexAttribArray(GLuint(tint));
    glVertexAttribPointer(GLuint(tint), 1, GL_FLOAT, GL_FALSE, sizeof(float), nullptr);
    glActiveTexture(GL_TEXTURE0);
    const GLint filter = look_.bilinear ? GL_LINEAR : GL_NEAREST;
    for (const DrawBatch& b : batches) {
        if (b.page >= int(textures_.size()) || (b.blend == FaceBlend::additive) != additive) continue;
        if (additive) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE);
            glDepthMask(GL_FALSE);
        }
        b.double_sided ? glDisable(GL_CULL_FACE) : glEnable(GL_CULL_FACE);
        glBindTexture(GL_TEXTURE_2D, textures_[std::size_t(b.page)]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glDrawArrays(GL_TRIANGLES, b.first, b.count);
    }
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    for (const int a : {position, uv, light, tint}) glDisableVertexAttribArray(GLuint(a));
}

}  // namespace tilesmith
