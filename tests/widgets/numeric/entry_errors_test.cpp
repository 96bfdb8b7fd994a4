#include "widgets/numeric/entry_errors.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace EntryError = lw::numeric::EntryError;

TEST(EntryError, MessagesByCode)
{
    EXPECT_TRUE(EntryError::message(0).isEmpty());
    EXPECT_EQ(EntryError::message(256), u"Value is not within required range"_s);
    EXPECT_EQ(EntryError::message(257), u"Value is not valid for this field type"_s);
    EXPECT_EQ(EntryError::message(258), u"A value is required in this field"_s);
    EXPECT_EQ(EntryError::message(259), u"Value is not a valid date"_s);
    EXPECT_EQ(EntryError::message(260), u"Value is not a valid time"_s);
    EXPECT_EQ(EntryError::message(261), u"This field should contain no blanks"_s);
    EXPECT_EQ(EntryError::message(262), u"This field should be either empty or completely full"_s);
    EXPECT_EQ(EntryError::message(263), u"Entry Error"_s);
    EXPECT_EQ(EntryError::message(1), u"Entry Error"_s);
}

TEST(EOvcException, KinCarryTheirMessagesAndShareTheBase)
{
    try {
        throw lw::numeric::EInvalidDataType();
    } catch (const lw::numeric::EOvcException &e) {
        EXPECT_EQ(e.message(), u"Invalid data type for this field"_s);
    }
    const lw::numeric::EOvcException plain(u"Parameter value is invalid \u00e9"_s);
    EXPECT_EQ(plain.message(), u"Parameter value is invalid \u00e9"_s);
}
