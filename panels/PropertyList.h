#pragma once

#include <QComboBox>
#include <QVariant>

#include <functional>

// A list of a property panel: entries with a picture, a caption and a value,
// and the "Customize..." entry that separates the built-in entries from the
// user's own. Only choices the user makes are reported (`chosen`); filling
// and selecting from code stay silent, so a panel never mistakes its own
// refill for a change.
class PropertyList : public QComboBox {
    Q_OBJECT
public:
    explicit PropertyList(QWidget* parent = nullptr);

    // Empties the list, "Customize..." included.
    void clearEntries();
    void addEntry(const QString& caption, const QVariant& value, const QIcon& picture = {});
    // The "Customize..." entry. It stays disabled while the customisation
    // dialogs it would open are not part of the program.
    void addCustomizeEntry();
    int customizeIndex() const { return customizeIndex_; }

    QVariant valueAt(int index) const { return itemData(index); }
    QVariant value() const { return currentData(); }
    // Selects the first entry whose value satisfies `match`; shows no entry
    // when none does. Returns the index, or -1.
    int select(const std::function<bool(const QVariant&)>& match);
    // Selects `index` when it is a real entry whose value satisfies `match`,
    // else the first entry that does: a remembered choice wins among entries
    // of equal value (a custom weight equal to a built-in one).
    int selectPreferring(int index, const std::function<bool(const QVariant&)>& match);
    void selectNone() { setCurrentIndex(-1); }

signals:
    // The user picked the entry at `index` (never "Customize...").
    void chosen(int index);

private:
    int customizeIndex_ = -1;
};
