#pragma once

#include <QLabel>

#include <vector>

// One line of hint text, with at most one highlighted word in it: a term
// (black bold) or a link (black underlined, blue under the mouse).
struct HintLine {
    enum class Mark { None, Term, Link };

    QString text;
    QString word; // its first occurrence is marked; links are found without regard to case
    Mark mark = Mark::None;
    QString link; // what linkChosen reports for a link

    static HintLine plain(const QString& text) { return { text, {}, Mark::None, {} }; }
    static HintLine term(const QString& text, const QString& word) { return { text, word, Mark::Term, {} }; }
    static HintLine linked(const QString& text, const QString& word, const QString& link)
    {
        return { text, word, Mark::Link, link };
    }
};

// The few lines of hints a panel carries, in a rich-text box.
class HintBox : public QLabel {
    Q_OBJECT
public:
    explicit HintBox(QWidget* parent = nullptr);

    void setLines(std::vector<HintLine> lines);
    const std::vector<HintLine>& lines() const { return lines_; }
    // The texts of the lines, for tests and the accessible description.
    QStringList texts() const;
    // The link under the mouse ("" for none).
    const QString& hoveredLink() const { return hovered_; }

    // The HTML of the lines with `hovered` drawn as the hovered link.
    static QString html(const std::vector<HintLine>& lines, const QString& hovered);

signals:
    void linkChosen(const QString& link);

private:
    void render();

    std::vector<HintLine> lines_;
    QString hovered_;
};
