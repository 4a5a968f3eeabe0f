#pragma once

#include <QString>
#include <QUrl>

// The desktop's hyperlink facility: a web address goes to the default browser, a "mailto:"
// address to the default mail program. Tests put a recorder in its place, so no test ever
// starts a browser.
class Hyperlink
{
public:
    virtual ~Hyperlink() = default;

    // Hands the target over; false when nothing on the desktop could take it.
    virtual bool navigateTo(const QString &target);

    // What the desktop is given for a target: a bare host name such as "www.example.org" goes
    // as a web address, anything with a scheme ("mailto:...") as it stands.
    static QUrl urlFor(const QString &target);
};
