#include "canvas/ToolTable.h"

#include "canvas/ToolIcons.h"
#include "model/ItemKinds.h"
#include "settings/Preferences.h"

#include <algorithm>
#include <array>

static_assert(kHelpSwitchCount == Preferences::kHelpPages, "one switch per help page");

namespace {

constexpr Page help(int number)
{
    return static_cast<Page>(number);
}

constexpr std::array<ToolInfo, 17> kTools { {
    // tool, name, Insert entry, page, item page, button, edit mode, kind, shape,
    // made help, move help, keys help, first next step, icon
    { Tool::Select, "Select", nullptr, Page::Select, Page::None, UpperButton::Select, EditMode::Select, 0, -1,
        Page::None, Page::None, Page::None, 0, toolicons::pointer },
    { Tool::Picture, "Picture", "&Picture...", Page::PictureDialog, Page::ClipProperties,
        UpperButton::InsertPicture, EditMode::Select, kinds::kClip, -1, help(1077), help(1078), Page::None,
        47, toolicons::picture },
    { Tool::Text, "Text", "&Text", Page::TextTool, Page::TextProperties, UpperButton::InsertText,
        EditMode::Text, kinds::kText, -1, help(1035), help(1036), Page::None, 5, toolicons::text },
    { Tool::Line, "Line", "&Line", Page::LineTool, Page::LineProperties, UpperButton::InsertLine,
        EditMode::Line, kinds::kLine, -1, help(1024), help(1025), Page::None, 2, toolicons::line },
    { Tool::Arc, "Arc", "&Arc", Page::ArcTool, Page::ArcProperties, UpperButton::InsertArc, EditMode::Arc,
        kinds::kArc, -1, help(1065), help(1066), Page::None, 38, toolicons::arc },
    { Tool::Spline, "Spline", "Spli&ne", Page::SplineTool, Page::SplineProperties, UpperButton::InsertSpline,
        EditMode::Spline, kinds::kSpline, -1, help(1059), help(1060), help(1061), 32, toolicons::spline },
    { Tool::Curve, "Curve", "&Curve", Page::CurveTool, Page::CurveProperties, UpperButton::InsertCurve,
        EditMode::Curve, kinds::kCurve, -1, help(1068), help(1069), help(1070), 41, toolicons::curve },
    { Tool::Triangle, "Triangle", "Tri&angle", Page::TriangleTool, Page::TriangleProperties,
        UpperButton::InsertTriangle, EditMode::Triangle, kinds::kTriangle, -1, help(1043), help(1044),
        Page::None, 8, toolicons::triangle },
    { Tool::Square, "Square", "S&quare", Page::SquareTool, Page::SquareProperties, UpperButton::InsertSquare,
        EditMode::Square, kinds::kSquare, -1, help(1045), help(1046), Page::None, 11, toolicons::square },
    { Tool::Rectangle, "Rectangle", "&Rectangle", Page::RectangleTool, Page::RectangleProperties,
        UpperButton::InsertRectangle, EditMode::Rectangle, kinds::kRectangle, -1, help(1047), help(1048),
        Page::None, 14, toolicons::rectangle },
    { Tool::Circle, "Circle", "C&ircle", Page::CircleTool, Page::CircleProperties, UpperButton::InsertCircle,
        EditMode::Circle, kinds::kCircle, -1, help(1049), help(1050), Page::None, 17, toolicons::circle },
    { Tool::Pie, "Pie", "Pi&e", Page::PieTool, Page::PieProperties, UpperButton::InsertPie, EditMode::Pie,
        kinds::kPie, -1, help(1057), help(1058), Page::None, 29, toolicons::pie },
    { Tool::Ellipse, "Ellipse", "&Ellipse", Page::EllipseTool, Page::EllipseProperties,
        UpperButton::InsertEllipse, EditMode::Ellipse, kinds::kEllipse, -1, help(1051), help(1052),
        Page::None, 20, toolicons::ellipse },
    { Tool::Polygon, "Polygon", "Pol&ygon", Page::PolygonTool, Page::PolygonProperties,
        UpperButton::InsertPolygon, EditMode::Polygon, kinds::kPolygon, -1, help(1053), help(1054),
        Page::None, 23, toolicons::polygon },
    { Tool::Star, "Star", "&Star", Page::StarTool, Page::StarProperties, UpperButton::InsertStar,
        EditMode::Star, kinds::kStar, -1, help(1055), help(1056), Page::None, 26, toolicons::star },
    { Tool::Solid, "Solid", "S&olid", Page::SolidTool, Page::SolidProperties, UpperButton::InsertSolid,
        EditMode::Solid, kinds::kSpline, kinds::kSolid, help(1062), help(1063), help(1064), 35,
        toolicons::solid },
    { Tool::Oblong, "Oblong", "O&blong", Page::OblongTool, Page::OblongProperties, UpperButton::InsertOblong,
        EditMode::Oblong, kinds::kCurve, kinds::kSolid, help(1071), help(1072), help(1073), 44,
        toolicons::oblong },
} };

template <class Match> const ToolInfo* findTool(Match match)
{
    const auto at = std::find_if(kTools.begin(), kTools.end(), match);
    return at == kTools.end() ? nullptr : &*at;
}

} // namespace

std::span<const ToolInfo> toolTable()
{
    return kTools;
}

const ToolInfo& toolInfo(Tool tool)
{
    return *findTool([tool](const ToolInfo& t) { return t.tool == tool; });
}

const ToolInfo* toolOfPage(Page page)
{
    return page == Page::None ? nullptr : findTool([page](const ToolInfo& t) { return t.page == page; });
}

const ToolInfo* toolOfButton(UpperButton button)
{
    return button == UpperButton::None ? nullptr
                                       : findTool([button](const ToolInfo& t) { return t.button == button; });
}

const ToolInfo* toolOfEditMode(EditMode mode)
{
    return findTool([mode](const ToolInfo& t) { return t.editMode == mode; });
}

const ToolInfo* toolOfKeysHelp(Page page)
{
    return page == Page::None ? nullptr : findTool([page](const ToolInfo& t) { return t.keysHelp == page; });
}

EditMode editModeOf(Page page)
{
    const ToolInfo* tool = toolOfPage(page);
    return tool ? tool->editMode : EditMode::Select;
}
