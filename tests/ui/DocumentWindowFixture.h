#pragma once

#include "canvas/EditorContext.h"
#include "canvas/widgets/DocumentWindow.h"
#include "platform/FileDialogsScripted.h"
#include "platform/MessageBoxScript.h"
#include "settings/Preferences.h"

#include <gtest/gtest.h>

#include <memory>

// Document windows at 96 dpi with their own preferences, scripted message
// boxes and scripted file dialogs.
class DocumentWindowFixture : public testing::Test {
protected:
    DocumentWindowFixture()
    {
        preferences.setDefaultUnits(1);
        // No design type: new drawings take the plain canvas of the settings
        // unless a test asks for a design type's page setup.
        preferences.defaultDesignType = 0;
    }

    // Sets the canvas of new drawings in `units` (1 pixels, 3 inches).
    void canvasForNewDrawings(int units, double left, double top, double width, double height)
    {
        preferences.setDefaultUnits(units);
        defaultsRec_t& r = preferences.defaults.valuesFor(units);
        r.canvasLeft = left;
        r.canvasTop = top;
        r.canvasWidth = width;
        r.canvasHeight = height;
    }

    std::unique_ptr<DocumentWindow> newWindow(int width = 800, int height = 400)
    {
        auto w = std::make_unique<DocumentWindow>(context);
        w->resize(width, height);
        w->initDocument(++lastId, {});
        w->show();
        return w;
    }

    MessageBoxScript prompt;
    FileDialogsScripted dialogs;
    EditorContext context { ScreenMetrics { 96, 96 }, { &prompt, &dialogs } };
    Preferences& preferences = context.preferences();
    int lastId = 100;
};
