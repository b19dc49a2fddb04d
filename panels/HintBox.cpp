#include "panels/HintBox.h"

namespace {

QString marked(const HintLine& line, const QString& hovered)
{
    const Qt::CaseSensitivity cs
        = line.mark == HintLine::Mark::Link ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const int at = line.word.isEmpty() ? -1 : line.text.indexOf(line.word, 0, cs);
    if (line.mark == HintLine::Mark::None || at < 0)
        return line.text.toHtmlEscaped();
    const QString before = line.text.left(at).toHtmlEscaped();
    const QString word = line.text.mid(at, line.word.size()).toHtmlEscaped();
    const QString after = line.text.mid(at + line.word.size()).toHtmlEscaped();
    if (line.mark == HintLine::Mark::Term)
        return before + QStringLiteral("<b style=\"color:black\">") + word + QStringLiteral("</b>") + after;
    const QString color = line.link == hovered ? QStringLiteral("blue") : QStringLiteral("black");
    return before
        + QStringLiteral("<a href=\"%1\" style=\"color:%2; text-decoration:underline\">")
              .arg(line.link, color)
        + word + QStringLiteral("</a>") + after;
}

} // namespace

HintBox::HintBox(QWidget* parent)
    : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(this, &QLabel::linkHovered, this, [this](const QString& link) {
        if (link == hovered_)
            return;
        hovered_ = link;
        render();
    });
    connect(this, &QLabel::linkActivated, this, &HintBox::linkChosen);
}

void HintBox::setLines(std::vector<HintLine> lines)
{
    lines_ = std::move(lines);
    hovered_.clear();
    render();
}

QStringList HintBox::texts() const
{
    QStringList result;
    for (const HintLine& line : lines_)
        result << line.text;
    return result;
}

QString HintBox::html(const std::vector<HintLine>& lines, const QString& hovered)
{
    QString result;
    for (const HintLine& line : lines)
        result += QStringLiteral("<p style=\"margin-top:0; margin-bottom:5px\">") + marked(line, hovered)
            + QStringLiteral("</p>");
    return result;
}

void HintBox::render()
{
    setText(html(lines_, hovered_));
    setAccessibleDescription(texts().join(u' '));
}
