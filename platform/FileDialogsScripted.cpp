#include "platform/FileDialogsScripted.h"

QString FileDialogsScripted::openFile(QWidget*, const Request& request)
{
    return next(false, request);
}

QString FileDialogsScripted::saveFile(QWidget*, const Request& request)
{
    return next(true, request);
}

QString FileDialogsScripted::next(bool save, const Request& request)
{
    calls.append({ save, request });
    if (answers_.isEmpty())
        return {};
    return answers_.takeFirst();
}
