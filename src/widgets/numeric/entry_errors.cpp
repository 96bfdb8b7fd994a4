#include "widgets/numeric/entry_errors.h"

using namespace Qt::StringLiterals;

namespace lw::numeric {

QString EntryError::message(quint16 code)
{
    switch (code) {
    case Valid:
        return {};
    case OutOfRange:
        return u"Value is not within required range"_s;
    case NotANumber:
        return u"Value is not valid for this field type"_s;
    case Required:
        return u"A value is required in this field"_s;
    case InvalidDate:
        return u"Value is not a valid date"_s;
    case InvalidTime:
        return u"Value is not a valid time"_s;
    case BlanksInField:
        return u"This field should contain no blanks"_s;
    case PartialEntry:
        return u"This field should be either empty or completely full"_s;
    default:
        return u"Entry Error"_s;
    }
}

EOvcException::EOvcException(const QString &message)
    : std::runtime_error(message.toStdString())
{ }

EInvalidDataType::EInvalidDataType()
    : EOvcException(u"Invalid data type for this field"_s)
{ }

EInvalidPictureMask::EInvalidPictureMask()
    : EOvcException(u"Invalid picture mask"_s)
{ }

EInvalidRangeValue::EInvalidRangeValue(TNumericDataType type)
    : EOvcException(NumericDataType::rangeMessage(type))
{ }

EDuplicateCommand::EDuplicateCommand()
    : EOvcException(u"Duplicate command found while adding a new command to the table"_s)
{ }

ETableNotFound::ETableNotFound()
    : EOvcException(u"Command table not found or command table index out of range"_s)
{ }

} // namespace lw::numeric
