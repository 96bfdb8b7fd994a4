#pragma once

#include <stdexcept>

#include <QString>
#include <QtGlobal>

#include "widgets/numeric/numeric_data_type.h"

namespace lw::numeric {

/// The outcome codes of an entry field's check; 0 means valid.
namespace EntryError {
constexpr quint16 Valid = 0;
constexpr quint16 OutOfRange = 256;
constexpr quint16 NotANumber = 257;
constexpr quint16 Required = 258;
constexpr quint16 InvalidDate = 259;
constexpr quint16 InvalidTime = 260;
constexpr quint16 BlanksInField = 261;
constexpr quint16 PartialEntry = 262;
/// Codes from here up are set by a field's own validation handler.
constexpr quint16 FirstUserCode = 32768;

/// The message shown for a code; empty for 0. User codes get the generic text, since their
/// message is whatever the handler left as the current error text.
QString message(quint16 code);
} // namespace EntryError

/// Base of the entry fields' own faults; what() holds the message in UTF-8.
class EOvcException : public std::runtime_error
{
public:
    explicit EOvcException(const QString &message);

    QString message() const { return QString::fromUtf8(what()); }
};

/// A value was written that the field's data type cannot take.
class EInvalidDataType final : public EOvcException
{
public:
    EInvalidDataType();
};

/// A picture mask the field cannot use.
class EInvalidPictureMask final : public EOvcException
{
public:
    EInvalidPictureMask();
};

/// A range limit given as text that is not a value of the field's data type.
class EInvalidRangeValue final : public EOvcException
{
public:
    explicit EInvalidRangeValue(TNumericDataType type);
};

/// A key sequence was added to a command table that already holds it.
class EDuplicateCommand final : public EOvcException
{
public:
    EDuplicateCommand();
};

/// A command was added to a command table that the processor does not hold.
class ETableNotFound final : public EOvcException
{
public:
    ETableNotFound();
};

} // namespace lw::numeric
