// The dock of the 3D view: its controls and what it shows after each command.
#include "ui/level_dock.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <filesystem>
#include <tuple>

#include "core/file_names.h"
#include "ui/level_view.h"
#include "ui/qt_texts.h"

namespace tilesmith {

LevelDock::LevelDock(QWidget* parent, const Workspace& workspace, std::function<void(Side, const ScenePick&)> picked)
    : QDockWidget(parent), workspace_(workspace), language_(workspace.language()), picked_(std::move(picked)) {
    setObjectName(QStringLiteral("level3d"));
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    note_ = new QLabel(body);
    note_->setObjectName(QStringLiteral("level3d_note"));
    note_->setWordWrap(true);
    column->addWidget(note_);
    if (const auto format = LevelView::format_to_ask()) {
        view_ = new LevelView(body);
        view_->setObjectName(QStringLiteral("level3d_view"));
        view_->setFormat(*format);
        view_->on_trouble([this] { sync(); });
        // Small enough that the dock fits beside the least window on 1920 x 1080 at 200 %.
        view_->setMinimumSize(160, 120);
        view_->on_picked([this](const ScenePick& pick) {
            if (shown_) picked_(side_, pick);
        });
        column->addWidget(view_, 1);
        auto* controls = new QHBoxLayout;
        rooms_ = new QListWidget(body);
        rooms_->setObjectName(QStringLiteral("level3d_rooms"));
        rooms_->setMaximumHeight(120);
        connect(rooms_, &QListWidget::currentRowChanged, this, [this](int row) { view_->frame_room(row); });
        controls->addWidget(rooms_, 1);
        auto* options = new QVBoxLayout;
        frame_ = new QPushButton(body);
        frame_->setObjectName(QStringLiteral("level3d_frame"));
        connect(frame_, &QPushButton::clicked, this, [this] { view_->frame_level(); });
        options->addWidget(frame_);
        using Option = std::tuple<QCheckBox**, const char*, bool>;
        for (const auto& [box, name, on] : {Option{&bilinear_, "level3d_bilinear", false},
                                            Option{&lighting_, "level3d_lighting", true},
                                            Option{&flipped_, "level3d_alternate", false},
                                            Option{&animated_, "level3d_animated", false}}) {
            *box = new QCheckBox(body);
            (*box)->setObjectName(QString::fromLatin1(name));
            (*box)->setChecked(on);
            connect(*box, &QCheckBox::toggled, this, [this] { look_changed(); });
            options->addWidget(*box);
        }
        options->addStretch(1);
        controls->addLayout(options);
        column->addLayout(controls);
    }
    setWidget(body);
    set_language(language_);
}

void LevelDock::reveal(QMainWindow* window, const Workspace& workspace, bool toggle, QAction* item,
                       std::function<void(Side, const ScenePick&)> picked) {
    if (LevelDock* dock = in(window)) {
        dock->setVisible(!toggle || !dock->isVisible());
        if (dock->isVisible()) dock->sync();
        item->setChecked(!dock->isHidden());
        return;
    }
    auto* dock = new LevelDock(window, workspace, std::move(picked));
    // Also when its own close button hides it.
    connect(dock, &QDockWidget::visibilityChanged, item, [dock, item] {
        const QSignalBlocker quiet(item);
        item->setChecked(!dock->isHidden());
    });
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    // A child made after its window shows is shown by hand.
    dock->show();
    dock->sync();
    item->setChecked(true);
}

LevelDock* LevelDock::in(QWidget* window) {
    return window->findChild<LevelDock*>(QStringLiteral("level3d"), Qt::FindDirectChildrenOnly);
}

QString LevelDock::text(Msg message) const { return ui_text(message, language_); }

void LevelDock::set_language(Language language) {
    language_ = language;
    if (view_) {
        view_->setToolTip(text(Msg::LevelViewKeys));
        frame_->setText(text(Msg::FrameLevel));
        bilinear_->setText(text(Msg::BilinearFiltering));
        lighting_->setText(text(Msg::RoomLighting));
        flipped_->setText(text(Msg::AlternateRooms));
        animated_->setText(text(Msg::AnimatedTextures));
        fill_rooms();
    }
    sync();
}

void LevelDock::look_changed() {
    view_->set_look({bilinear_->isChecked(), lighting_->isChecked(), flipped_->isChecked(), animated_->isChecked()});
}

void LevelDock::fill_rooms() {
    const QSignalBlocker quiet(rooms_);
    rooms_->clear();
    if (!shown_) return;
    for (std::size_t r = 0; r < shown_->rooms().size(); ++r)
        rooms_->addItem(ui_text(Phrase(shown_->rooms()[r].alternate ? Msg::AlternateRoomItem : Msg::RoomItem).arg(r),
                                language_));
}

void LevelDock::name_title() {
    const std::string& file = workspace_.origins().scene_file(side_);
    if (!workspace_.origins().scene(side_) || file.empty()) {
        setWindowTitle(plain_text(Msg::LevelIn3D, language_));
        return;
    }
    const Msg title = side_ == Side::source ? Msg::LevelIn3DSource : Msg::LevelIn3DTarget;
    setWindowTitle(ui_text(Phrase(title).arg(utf8_name(path_from_utf8(file).filename())), language_));
}

void LevelDock::sync() {
    side_ = workspace_.origins().scene_side();
    name_title();
    const auto scene = workspace_.origins().shared_scene(side_);
    const auto& problem = workspace_.origins().scene_problem(side_);
    const std::optional<Phrase> trouble = view_ ? view_->trouble() : std::nullopt;
    if (!view_) note_->setText(text(Msg::NoOpenGL));
    else if (trouble) note_->setText(ui_text(*trouble, language_));
    else if (problem) note_->setText(ui_text(*problem, language_));
    else if (!scene) note_->setText(text(Msg::NoLevelInPanes));
    note_->setVisible(!view_ || trouble || problem || !scene);
    if (!view_) return;
    if (scene != shown_) {
        shown_ = scene;
        view_->show_level(scene, &workspace_.package(side_));
        fill_rooms();
    } else {
        view_->package_changed();
    }
}

void LevelDock::pointed_at(Side side, std::optional<std::pair<int, int>> tile) {
    if (view_) view_->tint_tile(side == side_ ? tile : std::nullopt);
}

}  // namespace tilesmith
