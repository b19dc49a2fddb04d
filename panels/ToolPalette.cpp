#include "panels/ToolPalette.h"

#include "panels/ToolPaletteEntry.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kLowerAfterMs = 5000;

} // namespace

ToolPalette::ToolPalette(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("ToolPalette"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(0);

    auto* title = new QLabel(tr("Insert"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    title->setFont(titleFont);
    column->addWidget(title);
    column->addSpacing(4);

    for (const ToolInfo& tool : toolTable()) {
        if (tool.tool == Tool::Select)
            continue;
        auto* entry = new ToolPaletteEntry(tool, tr(tool.name), this);
        entry->setObjectName(QStringLiteral("entry%1").arg(QString::fromLatin1(tool.name)));
        entries_.push_back(entry);
        column->addWidget(entry);
        connect(entry, &ToolPaletteEntry::hovered, this, &ToolPalette::raiseEntry);
        connect(entry, &QAbstractButton::clicked, this, [this, entry] { emit entryChosen(entry->page()); });
    }

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("pageSetupHint"));
    hint_->setWordWrap(true);
    hint_->setTextFormat(Qt::RichText);
    column->addSpacing(8);
    column->addWidget(hint_);
    column->addStretch(1);
    connect(hint_, &QLabel::linkActivated, this, [this] {
        if (!pageSetupAvailable_ || hintHidden_)
            return;
        setHintHidden(true);
        emit pageSetupRequested();
    });
    updateHintText();

    lowerTimer_.setSingleShot(true);
    lowerTimer_.setInterval(kLowerAfterMs);
    connect(&lowerTimer_, &QTimer::timeout, this, &ToolPalette::lowerAll);
}

ToolPaletteEntry* ToolPalette::entry(Tool tool) const
{
    for (ToolPaletteEntry* e : entries_)
        if (e->tool() == tool)
            return e;
    return nullptr;
}

void ToolPalette::setEntryEnabled(Tool tool, bool enabled)
{
    if (ToolPaletteEntry* e = entry(tool)) {
        if (!enabled)
            e->setRaised(false);
        e->setEnabled(enabled);
    }
}

void ToolPalette::setPageSetupAvailable(bool available)
{
    pageSetupAvailable_ = available;
    updateHintText();
}

void ToolPalette::setHintHidden(bool hidden)
{
    hintHidden_ = hidden;
    hint_->setVisible(!hidden);
}

void ToolPalette::updateHintText()
{
    const QString words = tr("Page Setup");
    const QString shown = pageSetupAvailable_
        ? QStringLiteral("<a href=\"pagesetup\" style=\"color:black\">%1</a>").arg(words)
        : words;
    hint_->setText(tr("Use %1 to change the size of the design.").arg(shown));
}

void ToolPalette::raiseEntry(ToolPaletteEntry* entry)
{
    lowerTimer_.stop();
    for (ToolPaletteEntry* e : entries_)
        e->setRaised(e == entry);
}

void ToolPalette::lowerAll()
{
    lowerTimer_.stop();
    for (ToolPaletteEntry* e : entries_)
        e->setRaised(false);
}

void ToolPalette::leaveEvent(QEvent* event)
{
    lowerTimer_.start();
    QFrame::leaveEvent(event);
}

void ToolPalette::showEvent(QShowEvent* event)
{
    // Laying the palette out again brings back a hint hidden by its link.
    setHintHidden(false);
    QFrame::showEvent(event);
}
