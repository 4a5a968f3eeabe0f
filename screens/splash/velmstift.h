#pragma once

#include <QString>

// The school that made the program, its partner school and the contact for suggestions. The
// addresses lie under the reserved ".example" domain, so none of them reaches a real school.
namespace Velmstift {
inline const QString Web = QStringLiteral("www.velmstift.example");
inline const QString PartnerWeb = QStringLiteral("www.orlingen.example");
inline const QString Mail = QStringLiteral("marlow@velmstift.example");
inline const QString Street = QStringLiteral("Am Velmstift 12");
inline const QString Town = QStringLiteral("12345 Velmstadt");
inline const QString Contact = QStringLiteral("Frau Dr. Marlow");
} // namespace Velmstift
