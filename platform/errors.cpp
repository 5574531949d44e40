// Error numbers and the Bulgarian texts the player reads.
#include "errors.h"

namespace velsora {

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString())
    , number_(number)
    , description_(description)
{
}

OverflowError::OverflowError() : RuntimeError(6, QStringLiteral("Препълване")) {}

OutOfMemoryError::OutOfMemoryError() : RuntimeError(7, QStringLiteral("Няма достатъчно памет")) {}

UnknownError::UnknownError(const QString& what)
    : RuntimeError(0, what.isEmpty() ? QStringLiteral("Неизвестна грешка") : what)
{
}

FloatingPointError::FloatingPointError() : RuntimeError(16, QStringLiteral("Грешка при изчисление с плаваща запетая"))
{
}

namespace {
int numberOf(ControlArrayError::Kind kind)
{
    switch (kind) {
    case ControlArrayError::Kind::Missing:
        return 340;
    case ControlArrayError::Kind::AlreadyLoaded:
        return 360;
    case ControlArrayError::Kind::DesignTime:
        return 362;
    }
    return 340;
}

QString describe(ControlArrayError::Kind kind, const QString& array, int index)
{
    QString member = QStringLiteral("%1(%2)").arg(array).arg(index);
    switch (kind) {
    case ControlArrayError::Kind::Missing:
        return QStringLiteral("Елементът %1 на масива от контроли не съществува").arg(member);
    case ControlArrayError::Kind::AlreadyLoaded:
        return QStringLiteral("Елементът %1 на масива от контроли вече е зареден").arg(member);
    case ControlArrayError::Kind::DesignTime:
        return QStringLiteral("Елементът %1 е създаден при проектирането и не може да бъде премахнат").arg(member);
    }
    return member;
}
} // namespace

ControlArrayError::ControlArrayError(Kind kind, const QString& array, int index)
    : RuntimeError(numberOf(kind), describe(kind, array, index))
    , kind_(kind)
{
}

PropertyError::PropertyError(const QString& what)
    : RuntimeError(380, QStringLiteral("Невалидна стойност на свойство: %1").arg(what))
{
}

PlatformError::PlatformError(const QString& what)
    : RuntimeError(1000, QStringLiteral("Грешка на прозоречната система: %1").arg(what))
{
}

} // namespace velsora
