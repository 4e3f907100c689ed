// NewPackageDialog: size, background colour and the new / modify choice for the target package.
#include "ui/dialogs/new_package_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <algorithm>

#include "strings/messages.h"
#include "core/dimensions.h"
#include "strings/strings.h"
#include "ui/dialog_host.h"
#include "ui/dialogs/dialog_frame.h"

namespace tilesmith {

namespace {

struct NamedColour {
    Msg name;
    int r, g, b;
};

// The standard colours, then the extended ones, as the platform's colour box names them.
constexpr NamedColour kColours[] = {
    {Msg::ColourBlack, 0, 0, 0},           {Msg::ColourMaroon, 128, 0, 0},
    {Msg::ColourGreen, 0, 128, 0},         {Msg::ColourOlive, 128, 128, 0},
    {Msg::ColourNavy, 0, 0, 128},          {Msg::ColourPurple, 128, 0, 128},
    {Msg::ColourTeal, 0, 128, 128},        {Msg::ColourGray, 128, 128, 128},
    {Msg::ColourSilver, 192, 192, 192},    {Msg::ColourRed, 255, 0, 0},
    {Msg::ColourLime, 0, 255, 0},          {Msg::ColourYellow, 255, 255, 0},
    {Msg::ColourBlue, 0, 0, 255},          {Msg::ColourFuchsia, 255, 0, 255},
    {Msg::ColourAqua, 0, 255, 255},        {Msg::ColourWhite, 255, 255, 255},
    {Msg::ColourMoneyGreen, 192, 220, 192}, {Msg::ColourSkyBlue, 166, 202, 240},
    {Msg::ColourCream, 255, 251, 240},     {Msg::ColourMediumGray, 160, 160, 164},
};

// The colour box keeps each entry's message here, beside its colour.
constexpr int kNameRole = Qt::UserRole + 1;

QString polish_text(Msg message) {
    const std::string_view t = text_of(message, Language::Polish);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

const QColor kSilverColour(192, 192, 192);

QIcon swatch(const QColor& c) {
    QPixmap pm(16, 12);
    pm.fill(c);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
    return QIcon(pm);
}

QSlider* make_track_bar(QWidget* parent, const char* name, int max, int y) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(1, max);
    // Tick marks below, at both ends only.
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(max - 1);
    bar->setPageStep(1);
    bar->setGeometry(72, y, 145, 25);
    return bar;
}

}  // namespace

NewPackageDialog::NewPackageDialog(DialogHost& host, QWidget* main_window)
    : MainBoundDialog(main_window),
      host_(host),
      barrier_([this](QWidget* over, const std::function<void()>& body) {
          run_guarded(host_, over, language_, body);
      }) {
    setObjectName(QStringLiteral("new_package_dialog"));
    setup_fixed_dialog(this, 217, 225);
    setWindowTitle(polish_text(Msg::PackageDialogTitle));

    // Created in form order: the language switch visits the controls in this order.
    // Captions in the design's Polish; the language switch rewrites them.
    size_caption = make_label(this, "size_caption", Msg::PackageSizeLabel, 8, 8);
    size_readout = new QLabel(this);
    size_readout->setObjectName(QStringLiteral("size_readout"));
    size_readout->setAlignment(Qt::AlignRight | Qt::AlignTop);
    width_caption = make_label(this, "width_caption", Msg::WidthLabel, 8, 32);
    width_slider = make_track_bar(this, "width_slider", 32, 32);
    height_caption = make_label(this, "height_caption", Msg::HeightLabel, 8, 64);
    height_slider = make_track_bar(this, "height_slider", 128, 64);
    background_caption = make_label(this, "background_caption", Msg::ColorLabel, 8, 98);

    background_box = new QComboBox(this);
    background_box->setObjectName(QStringLiteral("background_box"));
    background_box->setGeometry(80, 96, 129, 20);
    fill_colour_box();

    selection_size_button = new QPushButton(this);
    set_caption(selection_size_button, Msg::SelectionSize, Language::Polish);
    selection_size_button->setObjectName(QStringLiteral("selection_size_button"));
    selection_size_button->setGeometry(8, 128, 201, 25);
    selection_size_button->setAutoDefault(false);

    modify_box = new QCheckBox(this);
    set_caption(modify_box, Msg::ModifyPackage, Language::Polish);
    modify_box->setObjectName(QStringLiteral("modify_box"));

    make_package = new QPushButton(QStringLiteral("OK"), this);
    make_package->setObjectName(QStringLiteral("make_package"));
    make_package->setDefault(true);
    // Closes like the close box: nothing changes.
    cancel_button = new QPushButton(this);
    cancel_button->setObjectName(QStringLiteral("cancel_button"));
    set_caption(cancel_button, Msg::Cancel, Language::Polish);
    cancel_button->setAutoDefault(false);
    place_check_box();

    width_slider->setValue(4);
    height_slider->setValue(8);
    width_changed();

    // Errors are shown over the dialog: the main window behind it is disabled.
    const auto guarded = [this](const std::function<void()>& body) { barrier_(this, body); };
    connect_through(width_slider, &QSlider::valueChanged, this, guarded, [this] { width_changed(); });
    connect_through(height_slider, &QSlider::valueChanged, this, guarded, [this] { height_changed(); });
    connect_through(background_box, &QComboBox::activated, this, guarded,
                    [this](int index) { pick_background(index); });
    connect_through(selection_size_button, &QPushButton::clicked, this, guarded, [this] { take_selection_size(); });
    connect_through(make_package, &QPushButton::clicked, this, guarded, [this] { confirm_package(); });
    connect(cancel_button, &QPushButton::clicked, this, &QWidget::close);
}

void NewPackageDialog::fill_colour_box() {
    const auto add = [this](Msg name, const QColor& colour) {
        background_box->addItem(swatch(colour), polish_text(name), colour);
        background_box->setItemData(background_box->count() - 1, static_cast<int>(name), kNameRole);
    };
    for (const NamedColour& c : kColours) add(c.name, QColor(c.r, c.g, c.b));
    // Both shown as silver and giving silver: the package has no "no colour".
    add(Msg::ColourNone, kSilverColour);
    add(Msg::ColourDefault, kSilverColour);
    custom_index_ = background_box->count();
    add(Msg::ColourCustom, QColor(Qt::black));
    last_index_ = background_box->findData(static_cast<int>(Msg::ColourSilver), kNameRole);
    background_box->setCurrentIndex(last_index_);
}

void NewPackageDialog::pick_background(int index) {
    if (index < 0 || index >= background_box->count()) return;
    if (index == custom_index_) {
        const QColor chosen = host_.choose_color(this, selected_color());
        if (!chosen.isValid()) {
            background_box->setCurrentIndex(last_index_);
            return;
        }
        const QColor opaque(chosen.red(), chosen.green(), chosen.blue());
        background_box->setItemData(index, opaque);
        background_box->setItemIcon(index, swatch(opaque));
    }
    background_box->setCurrentIndex(index);
    last_index_ = index;
}

QColor NewPackageDialog::selected_color() const {
    const QColor c = background_box->currentData().value<QColor>();
    return c.isValid() ? c : kSilverColour;
}

PackedColor NewPackageDialog::background_color() const {
    const QColor c = selected_color();
    return pack_rgb(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

void NewPackageDialog::open_dialog(int target_width, int target_height, const Rect& target_selection) {
    selection_ = target_selection;
    // QSlider clamps to its range: a 4096-pixel-wide target shows 32 columns.
    width_slider->setValue(target_width / kTileSide);
    height_slider->setValue(target_height / kTileSide);
    width_changed();
    show_over_main_window();
}

void NewPackageDialog::set_dialog_language(Language language) {
    translate_children(this, language);
    language_ = language;
    const auto text = [language = language_](Msg message) {
        const std::string_view t = text_of(message, language);
        return QString::fromUtf8(t.data(), qsizetype(t.size()));
    };
    setWindowTitle(text(Msg::PackageDialogTitle));
    for (int i = 0; i < background_box->count(); ++i)
        background_box->setItemText(i, text(static_cast<Msg>(background_box->itemData(i, kNameRole).toInt())));
    place_read_out();
    place_check_box();
}

void NewPackageDialog::place_read_out() {
    // Right edge at 207 as designed, as wide as its text. Where the longest
    // read-outs would run into the caption beside it, a narrower cut of the
    // face keeps the two apart.
    const int right = 207;
    const int room = right - (size_caption->geometry().right() + 1 + 4);
    QFont face = font();
    if (QFontMetrics(face).horizontalAdvance(size_readout->text()) + 2 > room) face.setStretch(QFont::Condensed);
    size_readout->setFont(face);
    const int width = std::max(79, QFontMetrics(face).horizontalAdvance(size_readout->text()) + 2);
    size_readout->setGeometry(right - width, 8, width, size_caption->height());
}

void NewPackageDialog::place_check_box() {
    // The check box has its own row; OK and Cancel share the one below it.
    modify_box->setGeometry(8, 164, std::max(201, modify_box->sizeHint().width()), 17);
    make_package->setGeometry(8, 192, 97, 25);
    cancel_button->setGeometry(112, 192, 97, 25);
}

void NewPackageDialog::width_changed() {
    const int w = width_slider->value();
    const int h = height_slider->value();
    size_readout->setText(QStringLiteral("%1 x %2 (%3 x %4)").arg(w).arg(h).arg(kTileSide * w).arg(kTileSide * h));
    place_read_out();
}

void NewPackageDialog::take_selection_size() {
    // The 1-based column and row of the selection's last tile (for one tile,
    // the tile under its top-left corner), computed wide before clamping.
    const Rect& s = selection_;
    const long long column = ((long long)s.right - kTileSide) / kTileSide + 1;
    const long long row = ((long long)s.bottom - kTileSide) / kTileSide + 1;
    width_slider->setValue(int(std::clamp<long long>(column, width_slider->minimum(), width_slider->maximum())));
    height_slider->setValue(int(std::clamp<long long>(row, height_slider->minimum(), height_slider->maximum())));
}

void NewPackageDialog::confirm_package() {
    const bool modify = modify_box->isChecked();
    if (const std::optional<QString> question = question_ ? question_() : std::nullopt)
        if (!host_.question(this, *question)) return;
    if (answer_) answer_({width_slider->value(), height_slider->value(), background_color(), modify});
    close();
}

}  // namespace tilesmith
