#pragma once

#include "MainWindowFixture.h"

#include "panels/HelpPage.h"
#include "panels/HintBox.h"
#include "panels/PanelFrame.h"
#include "panels/PropertyList.h"
#include "settings/SettingsFixture.h"
#include "shell/SidePanel.h"

#include <QAbstractItemView>
#include <QLabel>

// A main window with one new drawing, for driving the side panel's tool pages.
class ToolPagesFixture : public MainWindowFixture {
protected:
    ToolPagesFixture() { window->fileNew(); }

    Preferences& preferences() { return context.preferences(); }

    QWidget* frame() const { return window->sidePanel()->currentFrame(); }
    template <class T> T* frameAs() const { return qobject_cast<T*>(frame()); }

    // Shows a page as the upper menu and the Insert menu do.
    void show(Page page) { window->pages().showPage(page); }

    PropertyList* list(const char* name) const
    {
        return frame() ? frame()->findChild<PropertyList*>(QString::fromLatin1(name)) : nullptr;
    }

    // Picks the entry with `caption` the way a user does: opens the list and
    // clicks the entry.
    static void choose(PropertyList* list, const QString& caption)
    {
        ASSERT_NE(list, nullptr);
        const int index = list->findText(caption);
        ASSERT_GE(index, 0) << caption.toStdString();
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        view->scrollTo(view->model()->index(index, 0));
        const QPoint at = view->visualRect(view->model()->index(index, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(!view->isVisible());
    }

    // The preferences written to a settings file and read back, as the
    // next run of the program sees them.
    Preferences savedAndLoaded()
    {
        TempConfig config;
        SettingsStore store(config.path());
        EXPECT_TRUE(saveSettings(preferences(), store));
        Preferences reloaded(ScreenMetrics { 96, 96 });
        SettingsStore again(config.path());
        EXPECT_TRUE(loadSettings(reloaded, again));
        return reloaded;
    }

    QStringList captions(const PropertyList* list) const
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->itemText(i);
        return result;
    }
};
