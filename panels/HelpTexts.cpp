#include "panels/HelpTexts.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("HelpTexts", text);
}

constexpr int kAddSplinePointsKeys = 1074;
constexpr int kAddCurvePointsKeys = 1075;

QString stepLink(int number)
{
    return QString::number(number);
}

QString lower(const ToolInfo& tool)
{
    return QString::fromLatin1(tool.name).toLower();
}

std::vector<HintLine> madeLines(const ToolInfo& tool)
{
    const QString n = lower(tool);
    const int first = tool.firstNextStep;
    if (tool.tool == Tool::Line)
        return { HintLine::linked(
                     tr("Click on Draw next line to set the color or weight of the next line, or..."),
                     tr("Draw next line"), stepLink(first)),
            HintLine::linked(tr("Click on Fine-tune to change the color or weight of this line."),
                tr("Fine-tune"), stepLink(first + 1)),
            HintLine::linked(
                tr("Click on Move this line to adjust the position of this line. Then, move the line "
                   "by dragging its center point, or change its length by moving the end points."),
                tr("Move this line"), stepLink(first + 2)) };
    if (tool.tool == Tool::Text)
        return { HintLine::plain(tr("Enter the text now.")),
            HintLine::term(
                tr("When done, click on the pointer button (the button with the hand picture) in the "
                   "upper menu."),
                tr("pointer")),
            HintLine::linked(tr("Click on Start new text to set the font or color of the next text, or..."),
                tr("Start new text"), stepLink(first)),
            HintLine::linked(tr("Click on Fine-tune to change the font or color of this text."),
                tr("Fine-tune"), stepLink(first + 1)),
            HintLine::linked(tr("Click on Move this text to adjust the position of this text."),
                tr("Move this text"), stepLink(first + 2)) };
    return { HintLine::linked(
                 tr("Click on Start next %1 to set the color or outline of the next %1, or...").arg(n),
                 tr("Start next %1").arg(n), stepLink(first)),
        HintLine::linked(tr("Click on Fine-tune to change the color or outline of this %1.").arg(n),
            tr("Fine-tune"), stepLink(first + 1)),
        HintLine::linked(tr("Click on Move this %1 to adjust the position of this %1. Then, move the %1 by "
                            "dragging its center point, or change the shape by moving the end points.")
                             .arg(n),
            tr("Move this %1").arg(n), stepLink(first + 2)) };
}

HintLine selectAnother()
{
    return HintLine::term(tr("To select another item, click on its edge. Hold down the Shift key to select "
                             "more than one item."),
        tr("select"));
}

std::vector<HintLine> moveLines(const ToolInfo& tool)
{
    const QString n = lower(tool);
    if (tool.tool == Tool::Line)
        return { HintLine::term(tr("To move the line, drag its center point."), tr("move")),
            HintLine::term(
                tr("To change the length or direction of the line, drag its end points."), tr("change")),
            selectAnother() };
    if (tool.tool == Tool::Text)
        return { HintLine::term(
                     tr("To move the text, place the cursor on the center point, hold down the mouse "
                        "key and move the mouse"),
                     tr("move")),
            HintLine::term(tr("To edit the text, double-click on it."), tr("edit")), selectAnother() };
    return { HintLine::term(tr("To move the %1, drag its center point.").arg(n), tr("move")),
        HintLine::term(
            tr("To change the shape of the %1, drag its edge points.").arg(n), tr("change the shape")),
        HintLine::term(
            tr("To rotate the %1, drag the dot at the end of the line stretching from its center.").arg(n),
            tr("rotate")),
        selectAnother() };
}

// The keys of entering a spline's or curve's points; `open` adds closing with C.
std::vector<HintLine> keyLines(const QString& n, bool open)
{
    std::vector<HintLine> lines {
        HintLine::term(tr("Hold down the Shift key to enter the final point."), tr("final point")),
        HintLine::term(tr("Press the Enter key to end the %1 at the last turning point.").arg(n), tr("last")),
        HintLine::term(tr("Press the Backspace key to remove the last point."), tr("remove")),
    };
    if (open)
        lines.push_back(HintLine::term(tr("Press 'C' to close the %1 and exit.").arg(n), tr("close")));
    lines.push_back(HintLine::term(tr("Press the Esc key to erase this %1.").arg(n), tr("erase")));
    return lines;
}

HelpContent contentOf(const ToolInfo& tool, std::vector<HintLine> lines)
{
    return { QCoreApplication::translate("ToolTable", tool.name), tool.icon, std::move(lines) };
}

} // namespace

std::optional<HelpContent> helpContent(Page page)
{
    const int number = static_cast<int>(page);
    if (number == kAddSplinePointsKeys || number == kAddCurvePointsKeys) {
        const ToolInfo& tool = toolInfo(number == kAddSplinePointsKeys ? Tool::Spline : Tool::Curve);
        return contentOf(tool, keyLines(lower(tool), true));
    }
    for (const ToolInfo& tool : toolTable()) {
        if (tool.tool == Tool::Select || tool.tool == Tool::Picture || page == Page::None)
            continue;
        if (page == tool.madeHelp)
            return contentOf(tool, madeLines(tool));
        if (page == tool.moveHelp)
            return contentOf(tool, moveLines(tool));
        if (page == tool.keysHelp)
            // The solid and oblong are closed already: they have no C key.
            return contentOf(tool, keyLines(lower(tool), tool.shape < 0));
    }
    return std::nullopt;
}
