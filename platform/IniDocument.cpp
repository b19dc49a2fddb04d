#include "platform/IniDocument.h"

namespace {

const QString kTopLevelGroup = QStringLiteral("General");

bool needsQuotes(const QString& value)
{
    if (value.isEmpty())
        return false;
    if (value.front().isSpace() || value.back().isSpace())
        return true;
    for (const QChar c : value) {
        if (c == u'"' || c == u',' || c == u';' || c == u'=' || c == u'#' || c == u'[')
            return true;
    }
    return false;
}

void appendEscaped(QString& out, QChar c)
{
    switch (c.unicode()) {
    case u'\\':
        out += QLatin1String("\\\\");
        return;
    case u'"':
        out += QLatin1String("\\\"");
        return;
    case u'\n':
        out += QLatin1String("\\n");
        return;
    case u'\r':
        out += QLatin1String("\\r");
        return;
    case u'\t':
        out += QLatin1String("\\t");
        return;
    default:
        break;
    }
    if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
        // Always four digits, so a following hex digit is never swallowed.
        out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        return;
    }
    out += c;
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Decodes the escape starting at text[i] (a backslash); returns the index after it.
qsizetype decodeEscape(const QString& text, qsizetype i, QString& out)
{
    if (i + 1 >= text.size()) {
        out += u'\\';
        return i + 1;
    }
    const QChar c = text[i + 1];
    switch (c.unicode()) {
    case u'\\':
        out += u'\\';
        return i + 2;
    case u'"':
        out += u'"';
        return i + 2;
    case u'\'':
        out += u'\'';
        return i + 2;
    case u'n':
        out += u'\n';
        return i + 2;
    case u'r':
        out += u'\r';
        return i + 2;
    case u't':
        out += u'\t';
        return i + 2;
    case u'0':
        out += QChar(0);
        return i + 2;
    case u'x': {
        qsizetype j = i + 2;
        int code = 0;
        while (j < text.size() && j < i + 6 && hexDigit(text[j]) >= 0)
            code = code * 16 + hexDigit(text[j++]);
        if (j == i + 2)
            break;
        out += QChar(static_cast<char16_t>(code));
        return j;
    }
    default:
        break;
    }
    // Unknown escapes stay as typed, which keeps hand-typed Windows paths readable.
    out += u'\\';
    return i + 1;
}

} // namespace

void IniDocument::Group::reindex()
{
    index.clear();
    for (std::size_t i = 0; i < entries.size(); ++i)
        index.insert(entries[i].name.toLower(), i);
}

QString IniDocument::encodeValue(const QString& value)
{
    QString out;
    const bool quoted = needsQuotes(value);
    if (quoted)
        out += u'"';
    if (value.startsWith(u'@'))
        out += u'@'; // QSettings reads a leading "@" as a type tag; "@@" is its escape
    for (const QChar c : value)
        appendEscaped(out, c);
    if (quoted)
        out += u'"';
    return out;
}

QString IniDocument::decodeValue(const QString& raw)
{
    QString text = raw.trimmed();
    qsizetype end = text.size();
    qsizetype i = 0;
    if (text.startsWith(u'"')) {
        i = 1;
        // The closing quote is the first unescaped one; without it the value runs to the line's end.
        for (qsizetype j = 1; j < text.size(); ++j) {
            if (text[j] == u'\\') {
                ++j;
            } else if (text[j] == u'"') {
                end = j;
                break;
            }
        }
    }
    const QString body = text.mid(i, end - i);
    QString out;
    out.reserve(body.size());
    for (qsizetype j = 0; j < body.size();) {
        if (body[j] == u'\\')
            j = decodeEscape(body, j, out);
        else
            out += body[j++];
    }
    if (out.startsWith(QLatin1String("@@")))
        out.remove(0, 1);
    return out;
}

IniDocument IniDocument::parse(const QByteArray& bytes)
{
    IniDocument doc;
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    const QString text = QString::fromUtf8(data);
    QString group = kTopLevelGroup;
    bool groupSeen = false;
    for (QStringView rawLine : QStringView(text).split(u'\n')) {
        const QString line = rawLine.trimmed().toString();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            // A header without its "]" still names the group the user meant.
            const qsizetype close = line.indexOf(u']');
            group = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
            if (group.isEmpty())
                group = kTopLevelGroup;
            doc.addGroup(group);
            groupSeen = true;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString name = line.left(eq).trimmed();
        if (name.isEmpty())
            continue;
        if (!groupSeen)
            doc.addGroup(group);
        groupSeen = true;
        doc.setValue(group, name, decodeValue(line.mid(eq + 1)));
    }
    return doc;
}

QByteArray IniDocument::serialise() const
{
    QString out;
    bool first = true;
    for (const Group& g : groups_) {
        if (!first)
            out += u'\n';
        first = false;
        out += u'[' + g.name + QLatin1String("]\n");
        for (const Entry& e : g.entries)
            out += e.name + u'=' + encodeValue(e.value) + u'\n';
    }
    return out.toUtf8();
}

qsizetype IniDocument::groupIndex(const QString& group) const
{
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        if (groups_[i].name.compare(group, Qt::CaseInsensitive) == 0)
            return static_cast<qsizetype>(i);
    }
    return -1;
}

IniDocument::Group& IniDocument::groupFor(const QString& group)
{
    const qsizetype i = groupIndex(group);
    if (i >= 0)
        return groups_[static_cast<std::size_t>(i)];
    groups_.push_back(Group { group, {}, {} });
    return groups_.back();
}

std::optional<QString> IniDocument::value(const QString& group, const QString& name) const
{
    const qsizetype gi = groupIndex(group);
    if (gi < 0)
        return std::nullopt;
    const Group& g = groups_[static_cast<std::size_t>(gi)];
    const auto it = g.index.constFind(name.toLower());
    if (it == g.index.constEnd())
        return std::nullopt;
    return g.entries[*it].value;
}

void IniDocument::setValue(const QString& group, const QString& name, const QString& value)
{
    Group& g = groupFor(group);
    const QString key = name.toLower();
    const auto it = g.index.constFind(key);
    if (it != g.index.constEnd()) {
        g.entries[*it].value = value;
        return;
    }
    g.index.insert(key, g.entries.size());
    g.entries.push_back(Entry { name, value });
}

void IniDocument::remove(const QString& group, const QString& name)
{
    const qsizetype gi = groupIndex(group);
    if (gi < 0)
        return;
    Group& g = groups_[static_cast<std::size_t>(gi)];
    const auto it = g.index.constFind(name.toLower());
    if (it == g.index.constEnd())
        return;
    g.entries.erase(g.entries.begin() + static_cast<std::ptrdiff_t>(*it));
    g.reindex();
}

void IniDocument::addGroup(const QString& group)
{
    groupFor(group);
}

bool IniDocument::hasGroup(const QString& group) const
{
    return groupIndex(group) >= 0;
}

QStringList IniDocument::groups() const
{
    QStringList names;
    for (const Group& g : groups_)
        names.append(g.name);
    return names;
}

QStringList IniDocument::names(const QString& group) const
{
    QStringList result;
    const qsizetype gi = groupIndex(group);
    if (gi >= 0) {
        for (const Entry& e : groups_[static_cast<std::size_t>(gi)].entries)
            result.append(e.name);
    }
    return result;
}
