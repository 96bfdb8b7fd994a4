#include "widgets/numeric/entry_errors.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace EntryError = lw::numeric::EntryError;

TEST(EntryError, CodesOutsideTheTableGetTheGenericMessage)
{
    EXPECT_TRUE(EntryError::message(EntryError::Valid).isEmpty());
    EXPECT_EQ(EntryError::message(EntryError::NotANumber),
            u"Value is not valid for this field type"_s);
    EXPECT_EQ(EntryError::message(263), u"Entry Error"_s);
    EXPECT_EQ(EntryError::message(EntryError::FirstUserCode), u"Entry Error"_s);
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
