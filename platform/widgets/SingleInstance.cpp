#include "platform/widgets/SingleInstance.h"

#include "platform/widgets/OpenRequestClient.h"
#include "platform/widgets/OpenRequestMacro.h"

SingleInstance::SingleInstance(QString socketName)
    : socketName_(std::move(socketName))
{
}

SingleInstance::Handover SingleInstance::handOver(const QStringList& files, int timeoutMs) const
{
    using Status = OpenRequestResult::Status;
    Handover result;
    const QStringList macros = [&files] {
        QStringList list;
        for (const QString& file : files)
            list << openMacroFor(file);
        return list.isEmpty() ? QStringList { activateMacro() } : list;
    }();
    for (qsizetype i = 0; i < macros.size(); ++i) {
        const QString what = files.isEmpty() ? QStringLiteral("the running editor") : files[i];
        const OpenRequestResult sent = sendOpenRequest(socketName_, macros[i], timeoutMs);
        switch (sent.status) {
        case Status::NoEditor:
            // Nobody listens: the first request decides it; a later one means
            // the editor went away while taking the files.
            if (i == 0)
                return result;
            result.failures << QStringLiteral("%1: the running editor went away").arg(what);
            break;
        case Status::Accepted:
            break;
        case Status::Refused:
            result.failures << QStringLiteral("%1: %2").arg(what, sent.reason);
            break;
        case Status::NoAnswer:
            result.failures << QStringLiteral("%1: the running editor does not answer").arg(what);
            break;
        }
        result.editorFound = true;
    }
    return result;
}

OpenRequestServer::Listen SingleInstance::listen(OpenRequestServer& server) const
{
    return server.listen(socketName_);
}
