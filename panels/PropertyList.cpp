#include "panels/PropertyList.h"

#include <QAbstractItemView>
#include <QStandardItemModel>

namespace {
// The panel is narrow; the open list may be wider so that the captions of
// the user's entries can be read whole.
constexpr int kPopupMinWidth = 170;
} // namespace

PropertyList::PropertyList(QWidget* parent)
    : QComboBox(parent)
{
    setIconSize({ 28, 14 });
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(4);
    view()->setMinimumWidth(kPopupMinWidth);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index != customizeIndex_)
            emit chosen(index);
    });
}

void PropertyList::clearEntries()
{
    clear();
    customizeIndex_ = -1;
}

void PropertyList::addEntry(const QString& caption, const QVariant& value, const QIcon& picture)
{
    addItem(picture, caption, value);
}

void PropertyList::addCustomizeEntry()
{
    customizeIndex_ = count();
    addItem(tr("Customize..."));
    if (auto* entries = qobject_cast<QStandardItemModel*>(model()))
        entries->item(customizeIndex_)->setEnabled(false);
}

int PropertyList::select(const std::function<bool(const QVariant&)>& match)
{
    for (int i = 0; i < count(); ++i) {
        if (i != customizeIndex_ && match(itemData(i))) {
            setCurrentIndex(i);
            return i;
        }
    }
    setCurrentIndex(-1);
    return -1;
}

int PropertyList::selectPreferring(int index, const std::function<bool(const QVariant&)>& match)
{
    if (index >= 0 && index < count() && index != customizeIndex_ && match(itemData(index))) {
        setCurrentIndex(index);
        return index;
    }
    return select(match);
}
