#include "core/saved_values.h"

#include <array>
#include <variant>

#include "core/factory_inputs.h"
#include "core/settings_merge.h"
#include "core/value_text.h"
#include "core/write_error.h"

namespace lw::core {

namespace {

template <typename T>
struct Slot
{
    T ValueRecord::*member;
    T fallback; // when the entry is missing or unreadable
};

struct Entry
{
    QStringView section;
    QStringView readKey;
    QStringView writeKey; // two keys are written in another spelling than they are read
    std::variant<Slot<double>, Slot<std::int32_t>, Slot<bool>> slot;
};

constexpr QStringView LastValues = u"LastValues";
constexpr QStringView GeneralValues = u"GeneralValues";

// In the order in which they are written.
constexpr std::array<Entry, 10> Entries{ {
        { LastValues, u"SalesPrice", u"SalesPrice",
                Slot<double>{ &ValueRecord::FSalesPrice, factory::SalesPrice } },
        { LastValues, u"DownPayment", u"Downpayment",
                Slot<double>{ &ValueRecord::FDownPayment, factory::DownPayment } },
        { LastValues, u"ActualLoan", u"ActualLoan",
                Slot<double>{
                        &ValueRecord::FActualLoan, factory::SalesPrice - factory::DownPayment } },
        { LastValues, u"InterestRate", u"InterestRate",
                Slot<double>{ &ValueRecord::FInterestRate, factory::InterestRate } },
        { LastValues, u"Term", u"term", Slot<std::int32_t>{ &ValueRecord::FTerm, factory::Term } },
        { LastValues, u"AnnualTaxes", u"AnnualTaxes",
                Slot<double>{ &ValueRecord::FAnnualTaxes, factory::AnnualTaxes } },
        { LastValues, u"AnnualInsurance", u"AnnualInsurance",
                Slot<double>{ &ValueRecord::FAnnualInsurance, factory::AnnualInsurance } },
        { LastValues, u"MonthlyPI", u"MonthlyPI", Slot<double>{ &ValueRecord::FMonthlyPI, 0 } },
        { LastValues, u"MonthlyPITI", u"MonthlyPITI",
                Slot<double>{ &ValueRecord::FMonthlyPITI, 0 } },
        { GeneralValues, u"Run", u"Run", Slot<bool>{ &ValueRecord::FRunBefore, false } },
} };

void read(ValueRecord &record, const Slot<double> &slot, const QString &text,
        const platform::LocaleInfo &locale)
{
    record.*slot.member = parseFloat(text, locale).value_or(slot.fallback);
}

void read(ValueRecord &record, const Slot<std::int32_t> &slot, const QString &text,
        const platform::LocaleInfo &)
{
    record.*slot.member = parseInteger(text).value_or(slot.fallback);
}

// Any nonzero integer is true.
void read(ValueRecord &record, const Slot<bool> &slot, const QString &text,
        const platform::LocaleInfo &)
{
    const auto number = parseInteger(text);
    record.*slot.member = number ? *number != 0 : slot.fallback;
}

QString text(
        const ValueRecord &record, const Slot<double> &slot, const platform::LocaleInfo &locale)
{
    return floatText(record.*slot.member, locale);
}

QString text(
        const ValueRecord &record, const Slot<std::int32_t> &slot, const platform::LocaleInfo &)
{
    return QString::number(record.*slot.member);
}

QString text(const ValueRecord &record, const Slot<bool> &slot, const platform::LocaleInfo &)
{
    return record.*slot.member ? QStringLiteral("1") : QStringLiteral("0");
}

QString entryText(const ValueRecord &record, const Entry &entry, const platform::LocaleInfo &locale)
{
    return std::visit(
            [&](const auto &slot) {
                return text(record, slot, locale);
            },
            entry.slot);
}

} // namespace

QString dataSubFolder()
{
    return QStringLiteral("/Ferrowind/Loanwright/");
}

QString settingsFilePath(const ValueRecord &record)
{
    return record.FCommonDataFolder + record.FDataSubFolder + u"lwcalc.ini";
}

void loadSavedValues(
        ValueRecord &record, const platform::FileStore &files, const platform::LocaleInfo &locale)
{
    const platform::FileContent content = files.read(settingsFilePath(record));
    const platform::ProfileFile profile(content.bytes); // empty unless it was read
    for (const Entry &entry : Entries) {
        const QString value =
                profile.readString(entry.section.toString(), entry.readKey.toString(), {});
        std::visit(
                [&](const auto &slot) {
                    read(record, slot, value, locale);
                },
                entry.slot);
    }
}

void restoreFields(const ValueRecord &record, const CalculatorControls &c)
{
    c.edtSalesPrice.setFloatValue(record.FSalesPrice);
    c.edtDownPayment.setFloatValue(record.FDownPayment);
    c.edtActualLoan.setFloatValue(record.FActualLoan);
    c.edtInterestRate.setFloatValue(record.FInterestRate);
    TermButton &term = record.FTerm == 15 ? c.rb15 : record.FTerm == 20 ? c.rb20 : c.rb30;
    term.setChecked(true);
    c.edtAnnualTaxes.setFloatValue(record.FAnnualTaxes);
    c.edtAnnualInsurance.setFloatValue(record.FAnnualInsurance);
    c.edtMonthlyPI.setFloatValue(record.FMonthlyPI);
    c.edtMonthlyPITI.setFloatValue(record.FMonthlyPITI);
}

void SaveValuesAtExit(const ValueRecord &record, platform::FileStore &files,
        const platform::LocaleInfo &locale, const std::vector<MoreSettings> &more,
        const ValueRecord *asRead)
{
    const QString path = settingsFilePath(record);
    // No installer makes a per-user folder, so the first save does.
    if (!files.makePath(record.FCommonDataFolder + record.FDataSubFolder))
        throw WriteError(path);
    const platform::FileContent old = files.read(path);
    // Replacing a file that could not be read would lose everything else it holds.
    if (old.status == platform::FileContent::Status::Failed)
        throw WriteError(path);
    platform::ProfileFile profile(old.bytes);
    for (const Entry &entry : Entries) {
        const auto asReadText =
                asRead ? std::optional(entryText(*asRead, entry, locale)) : std::nullopt;
        if (!writeChanged(profile, entry.section.toString(), entry.writeKey.toString(),
                    entryText(record, entry, locale), asReadText))
            throw WriteError(path);
    }
    for (const MoreSettings &section : more)
        if (section && !section(profile))
            throw WriteError(path);
    if (!files.replace(path, profile.toBytes()))
        throw WriteError(path);
}

} // namespace lw::core
