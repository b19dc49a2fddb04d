#pragma once

#include <cstdint>
#include <iterator>
#include <span>

class QPainter;

// Pages of the side panel. The tool and item pages of the drawing tools come
// from the tool table below; help pages lie between HelpFirst and HelpLast.
enum class Page : int {
    None = 0,
    Select = 20, // the tool palette "Insert"
    // For the pending-page timer only: the page before the current help page.
    BeforeHelp = 43,
    Mixed = 59, // a selection of several kinds
    LineTool = 98,
    LineProperties = 99,
    TriangleTool = 100,
    SquareTool = 101,
    RectangleTool = 102,
    CircleTool = 103,
    EllipseTool = 104,
    StarTool = 105,
    PieTool = 107,
    ArcTool = 108,
    SplineTool = 109,
    SolidTool = 110,
    CurveTool = 111,
    OblongTool = 112,
    PolygonTool = 199,
    TriangleProperties = 200,
    SquareProperties = 201,
    RectangleProperties = 202,
    CircleProperties = 203,
    EllipseProperties = 204,
    StarProperties = 206,
    PieProperties = 207,
    ArcProperties = 208,
    SplineProperties = 209,
    SolidProperties = 210,
    CurveProperties = 211,
    OblongProperties = 212,
    PolygonProperties = 299,
    TextTool = 300,
    TextProperties = 301,
    TextPlaced = 302, // the text tool after its first point
    TextTyping = 303, // the text tool while a new text is typed
    PictureDialog = 400, // opens the picture insertion dialog instead of a panel
    ClipProperties = 401,
    NewClipDialog = 503, // a new clip of the last picture
    EditClipDialog = 510, // the selected clip's boundary
    HelpFirst = 1024,
    HelpLast = 1080,
};

// The buttons of the upper menu, in their numbering 1 ... 36.
enum class UpperButton : int {
    None = 0,
    New = 1,
    Open,
    Save,
    Export,
    Print,
    Undo,
    Redo,
    Repaint,
    Select,
    ZoomOut,
    ZoomIn,
    ToBack,
    ToFront,
    Erase,
    Paste,
    Copy,
    InsertLine,
    InsertText,
    Gridlines,
    Snap,
    InsertTriangle,
    InsertSquare,
    InsertRectangle,
    InsertCircle,
    InsertEllipse,
    InsertPolygon,
    InsertPicture,
    InsertArc,
    InsertSpline,
    InsertCurve,
    InsertPie,
    InsertStar,
    InsertSolid,
    InsertOblong,
    JoinItems,
    SplitGroup,
};
inline constexpr int kUpperButtonCount = 36;

// What a document window's mouse and keys do (its stored `editMode`): a
// drawing tool, or a state of selection and editing.
enum class EditMode : int {
    Select = 0,
    Line = 1,
    Text = 31,
    DragText = 33, // a text line's handle is held
    TextEditing = 37,
    DragItem = 46, // a move or point handle, or a group frame's first point
    DragCircle = 47,
    DragEllipse = 48,
    DragClip = 52,
    PlacingPaste = 53,
    RotateGroup = 58,
    Triangle = 100,
    Square = 101,
    Rectangle = 102,
    Circle = 103,
    Ellipse = 104,
    Star = 105,
    Pie = 107,
    Arc = 108,
    Spline = 109,
    Solid = 110,
    Curve = 111,
    Oblong = 112,
    Polygon = 199,
    AddSplinePoints = 297,
    AddCurvePoints = 298,
    DragLine = 1001,
};

// The things a user can pick to insert, and the pointer that picks nothing.
enum class Tool {
    Select,
    Picture,
    Text,
    Line,
    Arc,
    Spline,
    Curve,
    Triangle,
    Square,
    Rectangle,
    Circle,
    Pie,
    Ellipse,
    Polygon,
    Star,
    Solid,
    Oblong,
};

using ToolIcon = void (*)(QPainter& painter); // draws into a 20 x 20 box

// One row of the tool table: everything the menus, the upper menu, the tool
// palette, the page history, the next-step box and the document window need
// to know about a tool.
struct ToolInfo {
    Tool tool;
    const char* name; // the palette entry and the title of the tool's panel
    const char* insertEntry; // the Insert menu's entry, with its mnemonic; null for none
    Page page; // the page that chooses the tool
    Page itemPage; // the page of selected items of the kind the tool makes
    UpperButton button;
    EditMode editMode; // what choosing the tool sets in the active window
    std::int32_t itemKind; // the kind of the items it makes; 0 for none
    // The spline or curve shape the tool makes (kinds::kSolid for the solid
    // and oblong tools); -1 when it takes the shape of the settings or has none.
    int shape;
    Page madeHelp; // shown after an item is made, while its switch is on
    Page moveHelp; // how to move and change such an item
    Page keysHelp; // the keys of a multi-point tool
    // "Start new ...", "Fine-tune this ..." and "Move this ...": the
    // next-step suggestions from this number on; 0 for none.
    int firstNextStep;
    ToolIcon icon; // null for none
};

// Every row: the pointer first, then the tools in the Insert menu's order.
std::span<const ToolInfo> toolTable();
const ToolInfo& toolInfo(Tool tool);
// The row whose page (button, edit mode, keys help page) is the given one, or null.
const ToolInfo* toolOfPage(Page page);
const ToolInfo* toolOfButton(UpperButton button);
const ToolInfo* toolOfEditMode(EditMode mode);
const ToolInfo* toolOfKeysHelp(Page page);

constexpr bool isHelpPage(Page page)
{
    return page >= Page::HelpFirst && page <= Page::HelpLast;
}
// The help pages that exist, in the order of their switches in the
// preferences. The page numbers leave gaps, and there are fewer switches than
// numbers, so a page's switch is its place in this list, not its distance
// from HelpFirst (that would put the later pages past the last switch).
inline constexpr int kHelpPageNumbers[] = { 1024, 1025, 1028, 1029, 1035, 1036, 1042, 1043, 1044, 1045, 1046,
    1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062, 1063,
    1064, 1065, 1066, 1068, 1069, 1070, 1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078 };
inline constexpr int kHelpSwitchCount = static_cast<int>(std::size(kHelpPageNumbers));

// The index of a help page's switch in the preferences; -1 for a number
// without a page.
constexpr int helpSwitchOf(Page page)
{
    for (int i = 0; i < kHelpSwitchCount; ++i)
        if (kHelpPageNumbers[i] == static_cast<int>(page))
            return i;
    return -1;
}
constexpr bool isShapeToolPage(Page page)
{
    return page >= Page::TriangleTool && page <= Page::PolygonTool;
}
constexpr bool isShapeItemPage(Page page)
{
    return page >= Page::TriangleProperties && page <= Page::PolygonProperties;
}
// Pages that choose a drawing tool.
constexpr bool isToolPage(Page page)
{
    return page == Page::LineTool || isShapeToolPage(page) || page == Page::TextTool;
}
// Pages that show the properties of selected items.
constexpr bool isItemPage(Page page)
{
    return page == Page::Mixed || page == Page::LineProperties || isShapeItemPage(page)
        || page == Page::TextProperties || page == Page::ClipProperties;
}

// The tools a new document window takes over from the last active one: the
// line, the text and the shape tools.
constexpr bool carriesOver(EditMode mode)
{
    return mode == EditMode::Line || mode == EditMode::Text
        || (mode >= EditMode::Triangle && mode <= EditMode::Polygon);
}

// The edit mode showing `page` chooses: a tool's mode for its page, else select.
EditMode editModeOf(Page page);
