#include "panels/ToolSteps.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ToolSteps", text);
}

// The texts that name a shape are written for one and take the tool's name.
QString named(const char* text, const QString& name)
{
    return tr(text).arg(name);
}

const char* const kHold = "Hold down the mouse button, move the mouse, and release the button.";
const char* const kOrHold = "Or, hold down the mouse button, move the mouse, and release the button.";

QStringList shapeSteps(Tool tool, const QString& n)
{
    switch (tool) {
    case Tool::Triangle:
    case Tool::Rectangle:
        return { named("Click where you want to start the %1, or...", n), tr(kHold),
            tr("Then, move the mouse and click again to make the third point.") };
    case Tool::Square:
        return { named("Click where you want to start the %1, or...", n), tr(kHold),
            tr("You can undo your edits by clicking on the Undo button in the upper menu.") };
    case Tool::Circle:
        return { named("Click where you want to place the center of the %1.", n),
            named("Then, move the mouse and click again to set the size of the %1.", n), tr(kOrHold) };
    case Tool::Ellipse:
        return { named("Click where you want to place the center of the %1.", n),
            named("Then, move the mouse and click again to set the length of the %1.", n),
            named("Finally, move the mouse and click again to set the width of the %1.", n) };
    // The polygon and the star are sized by their second click as the circle
    // is; without that line the pages would not say how.
    case Tool::Polygon:
        return { named("Click where you want to place the %1 center.", n),
            named("Then, move the mouse and click again to set the size of the %1.", n), tr(kOrHold) };
    case Tool::Star:
        return { named("Click where you want to place the %1 center.", n),
            named("Then, move the mouse and click again to set the size of the %1.", n),
            tr("Finally, move the mouse and click again to set the length of the spikes.") };
    case Tool::Pie:
    case Tool::Arc:
        return { named("Click where you want to place the center of the %1.", n),
            tr("Then, move the mouse and click again at the start of the arc."),
            tr("Finally, move the mouse and click again at the end of the arc.") };
    case Tool::Solid:
        return { named("Click where you want to start the %1.", n),
            tr("Then, click where you want to place the edge points."),
            named("Finally, hold down the Shift key and click where you want to end the %1.", n) };
    case Tool::Spline:
    case Tool::Curve:
    case Tool::Oblong:
        return { named("Click where you want to start the %1.", n),
            tr("Then, click where you want to place the turning points."),
            named("Finally, hold down the Shift key and click where you want to end the %1.", n) };
    default:
        return {};
    }
}

} // namespace

QStringList toolSteps(Page page, bool firstPointEntered)
{
    if (page == Page::TextTool || page == Page::TextPlaced)
        return { tr("Click where you want the text start."),
            tr("To make a text box, hold down the mouse button, move the mouse, and release the button.") };
    if (page == Page::TextTyping)
        return { tr("Enter the text now."),
            tr("When done, click on the pointer button (the button with the hand picture) in the upper "
               "menu.") };
    const ToolInfo* tool = toolOfPage(page);
    if (!tool || !isToolPage(page))
        return {};
    const QString name = QString::fromLatin1(tool->name).toLower();
    QStringList steps { named("Select how you want the next %1 drawn.", name) };
    if (tool->tool == Tool::Line) {
        steps << (firstPointEntered ? tr("Click where you want to end the line.")
                                    : tr("Click where you want to start the line, or..."))
              << tr(kHold);
        return steps;
    }
    return steps + shapeSteps(tool->tool, name);
}
