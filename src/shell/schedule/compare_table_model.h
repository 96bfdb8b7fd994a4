#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "core/comparison_rows.h"
#include "core/loan_scenario.h"
#include "core/offer_comparison.h"
#include "core/offer_inputs.h"
#include "core/offer_values.h"
#include "platform/locale_info.h"

namespace lw::shell {

/// The comparison as a table: a column an offer, the calculator's first; the offers' inputs
/// in the top rows, editable in every column but the first, their figures below.
class CompareTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;
    Q_DISABLE_COPY_MOVE(CompareTableModel)

    /// The calculator's loan, with the schedule's inputs; the offers' costs default to it.
    void setBase(const core::LoanScenario &base);
    void setValues(const core::CompareValues &values);
    core::CompareValues values() const;
    void setLocale(const platform::LocaleInfo &locale);

    /// A new offer with the terms of the column; false when there are as many as fit.
    bool addOffer(int column);
    /// Removes an offer's column; false for the calculator's.
    bool removeOffer(int column);

    int offerCount() const { return static_cast<int>(m_values.offers.size()); }

    /// The figure rows start below the inputs.
    static constexpr int FirstFigureRow = core::OfferInputCount;

    QByteArray csv() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void recompute();
    QString name(int column) const;
    QVariant inputData(int row, int column, int role) const;
    QVariant figureData(int row, int column, int role) const;

    core::LoanScenario m_base;
    core::CompareValues m_values;
    std::vector<core::LoanScenario> m_scenarios; // the base first, then each offer's
    std::vector<core::ComparisonRow> m_rows;
    platform::LocaleInfo m_locale;
};

} // namespace lw::shell
