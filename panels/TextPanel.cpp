#include "panels/TextPanel.h"

#include "panels/HintBox.h"
#include "panels/PanelMemory.h"
#include "panels/PropertyList.h"
#include "panels/PropertyLists.h"
#include "panels/ToolSteps.h"
#include "platform/FontList.h"
#include "settings/Preferences.h"

#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QToolButton>

#include <cmath>

using namespace propertylists;

namespace {

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr int kButtonPicture = 16;

// The picture of a style button: a letter in its style, or the lines of a
// justification.
QIcon stylePicture(TextPanel::StyleButton which)
{
    QPixmap pixmap(kButtonPicture, kButtonPicture);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    if (which >= TextPanel::Left) {
        for (int row = 0; row < 4; ++row) {
            const int length = row % 2 ? 8 : 12;
            const int x = which == TextPanel::Left ? 2
                : which == TextPanel::Center       ? 8 - length / 2
                                                   : 14 - length;
            painter.drawLine(x, 3 + row * 3, x + length - 1, 3 + row * 3);
        }
        return pixmap;
    }
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(13);
    font.setBold(which == TextPanel::Bold);
    font.setItalic(which == TextPanel::Italic);
    font.setUnderline(which == TextPanel::Underline);
    font.setStrikeOut(which == TextPanel::StrikeOut);
    painter.setFont(font);
    static const char* const letters[] = { "B", "I", "U", "S" };
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromLatin1(letters[which]));
    return pixmap;
}

} // namespace

TextPanel::TextPanel(Page page, Preferences& preferences, PanelMemory& memory, QWidget* parent)
    : PanelFrame(page, tr("Text"), tr("Font"), tr("Effects"), memory.textTab, parent)
    , preferences_(preferences)
    , memory_(memory)
{
    setObjectName(QStringLiteral("TextPanel"));
    color_ = addRow(0, tr("Color"), QStringLiteral("color"));
    font_ = addRow(0, tr("Name"), QStringLiteral("fontName"));
    charSet_ = addRow(0, tr("Character Set"), QStringLiteral("charSet"));
    size_ = addRow(0, tr("Size"), QStringLiteral("size"));
    weight_ = addRow(0, tr("Weight"), QStringLiteral("weight"));
    createStyleButtons();
    angle_ = addRow(0, tr("Angle"), QStringLiteral("angle"));
    surface_ = addRow(1, tr("Surface"), QStringLiteral("surface"));
    shadow_ = addRow(1, tr("Shadow"), QStringLiteral("shadow"));
    finishRows();

    std::vector<HintLine> lines;
    for (const QString& step : toolSteps(page))
        lines.push_back(page == Page::TextTyping && step.contains(QStringLiteral("pointer"))
                ? HintLine::term(step, QStringLiteral("pointer"))
                : HintLine::plain(step));
    hints()->setLines(std::move(lines));
    fillLists();

    Preferences& p = preferences_;
    connect(color_, &PropertyList::chosen, this,
        [this, &p](int index) { p.textColor = color_->valueAt(index).toInt(); });
    connect(font_, &PropertyList::chosen, this, [this, &p](int index) {
        p.textFont = font_->valueAt(index).toString();
        fillCharSets();
        // The family's set from earlier in this run, or "n/a".
        const auto known = memory_.charSetOfFamily.find(p.textFont.toLower());
        const int set = known == memory_.charSetOfFamily.end() ? 0 : known->second;
        if (selectInt(*charSet_, set) < 0)
            selectInt(*charSet_, 0);
        p.textCharSet = charSet_->value().toInt();
    });
    connect(charSet_, &PropertyList::chosen, this, [this, &p](int index) {
        p.textCharSet = charSet_->valueAt(index).toInt();
        memory_.charSetOfFamily[p.textFont.toLower()] = p.textCharSet;
    });
    connect(size_, &PropertyList::chosen, this, [this, &p](int index) {
        p.textSize = int(std::lround(size_->valueAt(index).toDouble()));
        p.textSizeChoice = index;
    });
    connect(weight_, &PropertyList::chosen, this,
        [this](int index) { setWeight(weight_->valueAt(index).toInt()); });
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        // Moving the slider to where the weight already is changes nothing,
        // so that a weight of 750 is not rounded away by showing it.
        if (value != int(std::lround(preferences_.textWeight / 100.0)))
            setWeight(value * 100);
    });
    connect(angle_, &PropertyList::chosen, this, [this, &p](int index) {
        const double degrees = angle_->valueAt(index).toDouble();
        p.textAngleChoice = index;
        p.textAngleTenths = int(std::lround(degrees * 10));
        p.textDirection = int(std::lround(degrees));
    });
    connect(surface_, &PropertyList::chosen, this,
        [this, &p](int index) { p.textSurface = surface_->valueAt(index).toInt(); });
    connect(shadow_, &PropertyList::chosen, this,
        [this, &p](int index) { p.textShadow = unpackShadow(shadow_->valueAt(index).toInt()); });
}

void TextPanel::createStyleButtons()
{
    auto* holder = new QWidget(this);
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    auto* customLabel = new QLabel(tr("Custom"), holder);
    slider_ = new QSlider(Qt::Horizontal, holder);
    slider_->setObjectName(QStringLiteral("weightSlider"));
    slider_->setRange(1, 9);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    customLabel->setBuddy(slider_);
    grid->addWidget(customLabel, 0, 0, 1, 4);
    grid->addWidget(slider_, 1, 0, 1, 4);

    // The bold button's hint says what a click gives back: normal weight.
    static const char* const hints[] = { "Normal", "Italic", "Underline", "Strikeout", "Left Justified",
        "Center Justified", "Right Justified" };
    static const char* const names[]
        = { "bold", "italic", "underline", "strikeOut", "justifyLeft", "justifyCenter", "justifyRight" };
    for (int i = 0; i < kStyleButtons; ++i) {
        auto* button = new QToolButton(holder);
        const auto which = StyleButton(i);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setIcon(stylePicture(which));
        button->setIconSize({ kButtonPicture, kButtonPicture });
        button->setToolTip(tr(hints[i]));
        button->setCheckable(true);
        button->setAutoRaise(true);
        buttons_[std::size_t(i)] = button;
        grid->addWidget(button, i < Left ? 2 : 3, i < Left ? i : i - Left);
        connect(button, &QToolButton::clicked, this, [this, which] { styleClicked(which); });
    }
    addWidget(0, holder);
}

void TextPanel::fillLists()
{
    const Preferences& p = preferences_;
    fillColors(*color_, p);
    selectInt(*color_, p.textColor);
    fillFontNames(*font_, scalableFontFamilies());
    // A name no installed family has (the "Arial" of new settings) shows the
    // family the text is drawn in instead; the default stays as stored.
    for (const QString& name : { p.textFont, QFontInfo(QFont(p.textFont)).family() })
        if (font_->select(
                [&name](const QVariant& v) { return v.toString().compare(name, Qt::CaseInsensitive) == 0; })
            >= 0)
            break;
    fillCharSets();
    if (selectInt(*charSet_, p.textCharSet) < 0)
        selectInt(*charSet_, 0);
    fillFontSizes(*size_, p);
    selectNumber(*size_, p.textSize, p.textSizeChoice);
    fillFontWeights(*weight_);
    fillDirections(*angle_, p.customTextAngles);
    selectNumber(*angle_, p.textDirection < 0 ? kAnyAngle : p.textAngleTenths / 10.0, p.textAngleChoice);
    fillSurfaces(*surface_);
    selectInt(*surface_, p.textSurface);
    fillShadows(*shadow_, p);
    selectInt(*shadow_, packShadow(p.textShadow));
    showWeight();
    showStyle();
}

void TextPanel::fillCharSets()
{
    charSet_->clearEntries();
    propertylists::fillCharSets(*charSet_, preferences_.textFont);
}

void TextPanel::setWeight(int weight)
{
    preferences_.textWeight = weight;
    showWeight();
}

// The weight list, the slider and the bold button follow the weight.
void TextPanel::showWeight()
{
    const int weight = preferences_.textWeight;
    selectInt(*weight_, weight);
    const QSignalBlocker quiet(slider_);
    slider_->setValue(int(std::lround(weight / 100.0)));
    buttons_[Bold]->setChecked(weight >= kBoldWeight);
}

void TextPanel::showStyle()
{
    const TextOptions& style = preferences_.textStyle;
    buttons_[Italic]->setChecked(style.italic);
    buttons_[Underline]->setChecked(style.underline);
    buttons_[StrikeOut]->setChecked(style.strikeOut);
    for (int j = Left; j <= Right; ++j)
        buttons_[std::size_t(j)]->setChecked(style.justification == j - Left + 1);
}

void TextPanel::styleClicked(StyleButton which)
{
    TextOptions& style = preferences_.textStyle;
    const bool pressed = buttons_[which]->isChecked();
    switch (which) {
    case Bold:
        setWeight(pressed ? kBoldWeight : kNormalWeight);
        return;
    case Italic:
        style.italic = pressed;
        break;
    case Underline:
        style.underline = pressed;
        break;
    case StrikeOut:
        style.strikeOut = pressed;
        break;
    default:
        style.justification = std::uint8_t(which - Left + 1);
        break;
    }
    showStyle();
}
