#include "widgets/numeric/ovccmd.h"

#include <algorithm>
#include <array>

#include "platform/virtual_key.h"
#include "widgets/numeric/entry_errors.h"

using namespace Qt::StringLiterals;

namespace lw::numeric {

namespace {

namespace Vk = lw::platform::VirtualKey;
constexpr quint8 Shift = lw::platform::ShiftState::Shift;
constexpr quint8 Ctrl = lw::platform::ShiftState::Ctrl;
constexpr quint8 Alt = lw::platform::ShiftState::Alt;

constexpr TOvcKeyRecord key(quint8 virtualKey, quint8 shift, quint16 command)
{
    return { virtualKey, shift, 0, 0, command };
}

// The one-key commands of the default table, apart from the marker keys built below.
constexpr std::array<TOvcKeyRecord, 44> DefaultKeys{ {
        key(Vk::Left, 0, ccLeft),
        key(Vk::Right, 0, ccRight),
        key(Vk::Left, Ctrl, ccWordLeft),
        key(Vk::Right, Ctrl, ccWordRight),
        key(Vk::Home, 0, ccHome),
        key(Vk::End, 0, ccEnd),
        key(Vk::Delete, 0, ccDel),
        key(Vk::Back, 0, ccBack),
        key(Vk::Back, Shift, ccBack),
        key(Vk::Prior, Ctrl, ccTopOfPage),
        key(Vk::Next, Ctrl, ccBotOfPage),
        key(Vk::Insert, 0, ccIns),
        key(Vk::letter('Z'), Ctrl, ccUndo),
        key(Vk::Back, Alt, ccRestore),
        key(Vk::Up, 0, ccUp),
        key(Vk::Down, 0, ccDown),
        key(Vk::Return, Ctrl, ccNewLine),
        key(Vk::Left, Shift, ccExtendLeft),
        key(Vk::Right, Shift, ccExtendRight),
        key(Vk::Home, Shift, ccExtendHome),
        key(Vk::End, Shift, ccExtendEnd),
        key(Vk::Left, Shift | Ctrl, ccExtWordLeft),
        key(Vk::Right, Shift | Ctrl, ccExtWordRight),
        key(Vk::Prior, Shift, ccExtendPgUp),
        key(Vk::Next, Shift, ccExtendPgDn),
        key(Vk::Up, Shift, ccExtendUp),
        key(Vk::Down, Shift, ccExtendDown),
        key(Vk::Home, Shift | Ctrl, ccExtFirstPage),
        key(Vk::End, Shift | Ctrl, ccExtLastPage),
        key(Vk::Prior, Shift | Ctrl, ccExtTopOfPage),
        key(Vk::Next, Shift | Ctrl, ccExtBotOfPage),
        key(Vk::Delete, Shift, ccCut),
        key(Vk::letter('X'), Ctrl, ccCut),
        key(Vk::Insert, Ctrl, ccCopy),
        key(Vk::letter('C'), Ctrl, ccCopy),
        key(Vk::Insert, Shift, ccPaste),
        key(Vk::letter('V'), Ctrl, ccPaste),
        key(Vk::Prior, 0, ccPrevPage),
        key(Vk::Next, 0, ccNextPage),
        key(Vk::Home, Ctrl, ccFirstPage),
        key(Vk::End, Ctrl, ccLastPage),
        key(Vk::Tab, 0, ccTab),
        key(Vk::Tab, Ctrl, ccTab),
        key(Vk::letter('Z'), Shift | Ctrl, ccRedo),
} };

bool matchesSecondShift(quint8 recorded, quint8 pressed)
{
    if (recorded == TOvcKeyRecord::ShiftNoneOrCtrl)
        return pressed == 0 || pressed == Ctrl;
    return recorded == pressed;
}

} // namespace

bool TOvcKeyRecord::sameKeys(const TOvcKeyRecord &other) const
{
    return Key1 == other.Key1 && Shift1 == other.Shift1 && Key2 == other.Key2
            && Shift2 == other.Shift2;
}

TOvcCommandTable::TOvcCommandTable(const QString &name, bool active)
    : FTableName(name)
    , FActive(active)
{ }

void TOvcCommandTable::AddRec(const TOvcKeyRecord &record)
{
    if (std::any_of(FRecords.begin(), FRecords.end(), [&record](const TOvcKeyRecord &held) {
            return held.sameKeys(record);
        }))
        throw EDuplicateCommand();
    FRecords.push_back(record);
}

const TOvcKeyRecord *TOvcCommandTable::FindFirstKey(quint8 key, quint8 shift) const
{
    const auto found = std::find_if(FRecords.begin(), FRecords.end(), [=](const TOvcKeyRecord &r) {
        return r.Key1 == key && r.Shift1 == shift;
    });
    return found == FRecords.end() ? nullptr : &*found;
}

const TOvcKeyRecord *TOvcCommandTable::FindSecondKey(
        quint8 key1, quint8 shift1, quint8 key2, quint8 shift2) const
{
    // A one-key record (Key2 = 0) never completes a sequence, even when the second key is one
    // the keyboard mapping does not know (code 0).
    const auto found = std::find_if(FRecords.begin(), FRecords.end(), [=](const TOvcKeyRecord &r) {
        return r.Key2 != 0 && r.Key1 == key1 && r.Shift1 == shift1 && r.Key2 == key2
                && matchesSecondShift(r.Shift2, shift2);
    });
    return found == FRecords.end() ? nullptr : &*found;
}

TOvcCommandTable TOvcCommandTable::CreateDefault()
{
    TOvcCommandTable table(u"Default"_s);
    for (const TOvcKeyRecord &record : DefaultKeys)
        table.AddRec(record);
    for (int marker = 0; marker <= 9; ++marker) {
        const quint8 vk = Vk::digit(marker);
        table.AddRec(key(vk, Ctrl, quint16(ccGotoMarker0 + marker)));
        table.AddRec(key(vk, Shift | Ctrl, quint16(ccSetMarker0 + marker)));
    }
    return table;
}

TOvcCommandProcessor::TOvcCommandProcessor()
{
    // The other two tables the command set was designed with are inactive and never consulted
    // by numeric fields, so they are not built.
    FTables.push_back(TOvcCommandTable::CreateDefault());
}

void TOvcCommandProcessor::AddTable(const TOvcCommandTable &table)
{
    FTables.push_back(table);
}

TOvcCommandTable &TOvcCommandProcessor::Table(qsizetype index)
{
    if (index < 0 || index >= TableCount())
        throw ETableNotFound();
    return FTables[std::size_t(index)];
}

TOvcCommandTable &TOvcCommandProcessor::TableByName(const QString &name)
{
    const auto found =
            std::find_if(FTables.begin(), FTables.end(), [&name](const TOvcCommandTable &table) {
                return table.TableName() == name;
            });
    if (found == FTables.end())
        throw ETableNotFound();
    return *found;
}

void TOvcCommandProcessor::AddCommandByName(const QString &tableName, const TOvcKeyRecord &record)
{
    TableByName(tableName).AddRec(record);
}

void TOvcCommandProcessor::AddCommandByIndex(qsizetype index, const TOvcKeyRecord &record)
{
    Table(index).AddRec(record);
}

template <typename Find>
const TOvcKeyRecord *TOvcCommandProcessor::searchActiveTables(Find find) const
{
    for (const TOvcCommandTable &table : FTables) {
        if (!table.IsActive())
            continue;
        if (const TOvcKeyRecord *record = find(table))
            return record;
    }
    return nullptr;
}

bool TOvcCommandProcessor::isCommandKey(quint8 key, quint8 shift) const
{
    return searchActiveTables([=](const TOvcCommandTable &table) {
        return table.FindFirstKey(key, shift);
    }) != nullptr;
}

quint16 TOvcCommandProcessor::Translate(quint8 key, quint8 shift)
{
    // Modifiers are pressed on the way to the next key, so they neither end a sequence nor
    // use up the literal-next prefix.
    if (lw::platform::isModifierOrLockKey(key))
        return FState == State::SecondKeyPending ? ccPending : ccKeyPass;
    if (FState == State::LiteralNext) {
        FState = State::Idle;
        return ccKeyPass;
    }
    if (FState == State::SecondKeyPending) {
        FState = State::Idle;
        const TOvcKeyRecord *record = searchActiveTables([&](const TOvcCommandTable &table) {
            return table.FindSecondKey(FFirstKey, FFirstShift, key, shift);
        });
        return record ? finish(record->Command) : quint16(ccSwallow);
    }
    const TOvcKeyRecord *record = searchActiveTables([=](const TOvcCommandTable &table) {
        return table.FindFirstKey(key, shift);
    });
    if (!record)
        return ccKeyPass;
    if (record->Key2 != 0) {
        FFirstKey = key;
        FFirstShift = shift;
        FState = State::SecondKeyPending;
        return ccPending;
    }
    return finish(record->Command);
}

quint16 TOvcCommandProcessor::finish(quint16 command)
{
    if (command == ccCtrlChar)
        FState = State::LiteralNext;
    return command;
}

} // namespace lw::numeric
