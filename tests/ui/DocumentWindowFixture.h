#pragma once

#include "canvas/DocumentSettings.h"
#include "canvas/widgets/DocumentWindow.h"
#include "base/ScreenMetrics.h"
#include "platform/widgets/DialogServices.h"
#include "platform/widgets/FileDialogsScripted.h"
#include "platform/widgets/MessageBoxScript.h"
#include "settings/Preferences.h"

#include <gtest/gtest.h>

#include <memory>

// Document windows at 96 dpi with their own settings, scripted message boxes
// and scripted file dialogs.
class DocumentWindowFixture : public testing::Test {
protected:
    DocumentWindowFixture()
    {
        setScreenDpi(96, 96);
        params = std::make_unique<Preferences>(screenMetrics());
        params->setDefaultUnits(1);
        // No design type: new drawings take the plain canvas of the settings
        // unless a test asks for a design type's page setup.
        params->defaultDesignType = 0;
        documentsettings::useParams(params.get());
    }
    ~DocumentWindowFixture() override { documentsettings::useParams(nullptr); }

    // Sets the canvas of new drawings in `units` (1 pixels, 3 inches).
    void canvasForNewDrawings(int units, double left, double top, double width, double height)
    {
        params->setDefaultUnits(units);
        defaultsRec_t& r = params->defaults.valuesFor(units);
        r.canvasLeft = left;
        r.canvasTop = top;
        r.canvasWidth = width;
        r.canvasHeight = height;
    }

    std::unique_ptr<DocumentWindow> newWindow(int width = 800, int height = 400)
    {
        auto w = std::make_unique<DocumentWindow>(0);
        w->resize(width, height);
        w->initDocument(++lastId, {});
        w->show();
        return w;
    }

    std::unique_ptr<Preferences> params;
    MessageBoxScript prompt;
    FileDialogsScripted dialogs;
    DialogServices::Override services { &prompt, &dialogs };
    int lastId = 100;
};
