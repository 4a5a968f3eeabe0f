#include "hyperlink.h"

#include <QDesktopServices>

bool Hyperlink::navigateTo(const QString &target)
{
    const QUrl url = urlFor(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

QUrl Hyperlink::urlFor(const QString &target)
{
    const QUrl given(target, QUrl::StrictMode);
    if (given.isValid() && !given.scheme().isEmpty())
        return given;
    // A browser needs a scheme to take a host name for a web address rather than a file.
    return QUrl(QStringLiteral("https://") + target, QUrl::StrictMode);
}
