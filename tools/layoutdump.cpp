#include "layoutdump.h"

#include "app/screen.h"
#include "app/widgets.h"

#include <QJsonArray>

namespace {

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button: return QStringLiteral("button");
    case ControlKind::Label: return QStringLiteral("label");
    case ControlKind::TextBox: return QStringLiteral("textbox");
    case ControlKind::Image: return QStringLiteral("image");
    case ControlKind::PictureBox: return QStringLiteral("picturebox");
    case ControlKind::Line: return QStringLiteral("line");
    case ControlKind::Timer: return QStringLiteral("timer");
    case ControlKind::Frame: return QStringLiteral("frame");
    case ControlKind::CommonDialog: return QStringLiteral("commondialog");
    case ControlKind::Composite: return QStringLiteral("composite");
    }
    return {};
}

QJsonObject colour(VbColor value)
{
    return {
        {QStringLiteral("value"), QStringLiteral("&H%1&").arg(value, 8, 16, QLatin1Char('0')).toUpper()},
        {QStringLiteral("rgb"), toQColor(value).name()},
    };
}

QJsonObject font(const FontSpec &f)
{
    return {
        {QStringLiteral("face"), f.face},
        {QStringLiteral("size"), f.size},
        {QStringLiteral("bold"), f.bold},
        {QStringLiteral("italic"), f.italic},
        {QStringLiteral("underline"), f.underline},
    };
}

} // namespace

QJsonObject dumpLayout(const Screen &screen)
{
    QJsonArray controls;
    for (const auto &c : screen.controls()) {
        QJsonObject o{
            {QStringLiteral("objectName"), c->name()},
            {QStringLiteral("index"), c->index() == NoIndex ? QJsonValue() : QJsonValue(c->index())},
            {QStringLiteral("kind"), kindName(c->kind())},
            {QStringLiteral("Left"), c->left()},
            {QStringLiteral("Top"), c->top()},
            {QStringLiteral("Width"), c->width()},
            {QStringLiteral("Height"), c->height()},
            {QStringLiteral("caption"), c->caption()},
            {QStringLiteral("font"), font(c->font())},
            {QStringLiteral("foreColor"), colour(c->foreColor())},
            {QStringLiteral("backColor"), colour(c->backColor())},
            {QStringLiteral("visible"), c->visible()},
            {QStringLiteral("enabled"), c->enabled()},
            {QStringLiteral("TabIndex"), c->tabIndex()},
        };
        if (c->kind() == ControlKind::Line) {
            o.insert(QStringLiteral("X1"), c->x1());
            o.insert(QStringLiteral("Y1"), c->y1());
            o.insert(QStringLiteral("X2"), c->x2());
            o.insert(QStringLiteral("Y2"), c->y2());
        }
        if (!c->picture().isEmpty())
            o.insert(QStringLiteral("Picture"), c->picture());
        if (c->kind() == ControlKind::Timer)
            o.insert(QStringLiteral("Interval"), c->interval());
        // The lines a label's caption is drawn in, to check its wrapping against its height.
        if (auto *label = qobject_cast<VbLabel *>(c->widget()))
            o.insert(QStringLiteral("lines"), QJsonArray::fromStringList(label->lines()));
        controls.append(o);
    }
    return {
        {QStringLiteral("screen"), screen.name()},
        {QStringLiteral("caption"), screen.caption()},
        {QStringLiteral("ScaleWidth"), screen.scaleWidth()},
        {QStringLiteral("ScaleHeight"), screen.scaleHeight()},
        {QStringLiteral("Width"), screen.width()},
        {QStringLiteral("Height"), screen.height()},
        {QStringLiteral("backColor"), colour(screen.backColor())},
        {QStringLiteral("controls"), controls},
    };
}
