#include "shell/NextSteps.h"

namespace nextsteps {

namespace {

// The shapes of suggestions 8 ... 46, three suggestions each: start, fine-tune, move.
struct ShapeSteps {
    const char* name;
    int toolPage;
    int propertyPage;
    int helpPage;
};

constexpr ShapeSteps kShapes[] = { { "triangle", 100, 200, 1044 }, { "square", 101, 201, 1046 },
    { "rectangle", 102, 202, 1048 }, { "circle", 103, 203, 1050 }, { "ellipse", 104, 204, 1052 },
    { "polygon", 199, 299, 1054 }, { "star", 105, 206, 1056 }, { "pie", 107, 207, 1058 },
    { "spline", 109, 209, 1060 }, { "solid", 110, 210, 1063 }, { "arc", 108, 208, 1066 },
    { "curve", 111, 211, 1069 }, { "oblong", 112, 212, 1072 } };

constexpr int kFirstShapeStep = 8;

Step shapeStep(int number)
{
    const int index = (number - kFirstShapeStep) / 3;
    const ShapeSteps& shape = kShapes[index];
    const QString name = QString::fromLatin1(shape.name);
    switch ((number - kFirstShapeStep) % 3) {
    case 0: return { QStringLiteral("Start new ") + name, Action::ShowPage, shape.toolPage };
    case 1: return { QStringLiteral("Fine-tune this ") + name, Action::SelectedOrTool, shape.propertyPage };
    default:
        return { QStringLiteral("Move this ") + name, Action::HelpOrSelected, shape.propertyPage, shape.helpPage };
    }
}

} // namespace

Step step(int number)
{
    if (number >= kFirstShapeStep && number < kFirstShapeStep + 3 * 13)
        return shapeStep(number);
    switch (number) {
    case 1: return { QStringLiteral("Insert new item"), Action::ShowPage, 20 };
    case 2: return { QStringLiteral("Draw next line"), Action::ShowPage, 98 };
    case 3: return { QStringLiteral("Fine-tune this line"), Action::SelectedOrTool, 99 };
    case 4: return { QStringLiteral("Move this line"), Action::HelpOrSelected, 99, 1025 };
    case 5: return { QStringLiteral("Start new text"), Action::ShowPage, 300 };
    case 6: return { QStringLiteral("Fine-tune this text"), Action::SelectedOrTool, 301 };
    case 7: return { QStringLiteral("Move this text"), Action::HelpOrSelected, 301, 1036 };
    case 47: return { QStringLiteral("Insert new picture"), Action::PictureDialog, 400 };
    case 48: return { QStringLiteral("Fine-tune this clip"), Action::ShowPage, 401 };
    case 49: return { QStringLiteral("Move this clip"), Action::ShowPage, 1078 };
    case 50: return { QStringLiteral("Insert new clip"), Action::NewClip, 503 };
    case 51: return { QStringLiteral("Edit this clip"), Action::EditClip, 510 };
    case 52: return { QStringLiteral("Join items"), Action::Join, 59 };
    case 53: return { QStringLiteral("Split group"), Action::Split, 20 };
    default: return {};
    }
}

} // namespace nextsteps
