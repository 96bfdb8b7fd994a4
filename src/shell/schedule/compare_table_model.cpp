#include "shell/schedule/compare_table_model.h"

#include <QColor>
#include <QFont>
#include <QStringList>

#include "core/offer_inputs.h"

namespace lw::shell {

namespace {

const QString CalculatorName = QStringLiteral("Calculator");
const QString BestMark = QStringLiteral(" \u2714"); // heavy check mark

core::OfferInput inputOf(int row)
{
    return static_cast<core::OfferInput>(row);
}

} // namespace

void CompareTableModel::setBase(const core::LoanScenario &base)
{
    m_base = base;
    recompute();
}

void CompareTableModel::setValues(const core::CompareValues &values)
{
    m_values = values;
    if (m_values.offers.size() > static_cast<std::size_t>(core::MaxOffers))
        m_values.offers.resize(core::MaxOffers);
    recompute();
}

core::CompareValues CompareTableModel::values() const
{
    return m_values;
}

void CompareTableModel::setLocale(const platform::LocaleInfo &locale)
{
    m_locale = locale;
    recompute();
}

bool CompareTableModel::addOffer(int column)
{
    if (offerCount() >= core::MaxOffers || column < 0 || column >= columnCount())
        return false;
    const QString name = QStringLiteral("Offer %1").arg(offerCount() + 1);
    core::Offer offer = column == 0 ? core::offerOf(m_base, name)
                                    : m_values.offers[static_cast<std::size_t>(column - 1)];
    offer.name = name;
    m_values.offers.push_back(offer);
    recompute();
    return true;
}

bool CompareTableModel::removeOffer(int column)
{
    if (column < 1 || column >= columnCount())
        return false;
    m_values.offers.erase(m_values.offers.begin() + (column - 1));
    recompute();
    return true;
}

QByteArray CompareTableModel::csv() const
{
    QStringList names;
    for (int c = 0; c < columnCount(); ++c)
        names << name(c);
    return core::comparisonCsv(names, m_rows);
}

void CompareTableModel::recompute()
{
    std::vector<core::LoanScenario> scenarios{ m_base };
    for (const core::Offer &offer : m_values.offers)
        scenarios.push_back(core::offerScenario(m_base, offer));
    auto rows = core::comparisonRows(core::compareOffers(scenarios, m_values.years));
    // Same columns: the view keeps its current cell, so typing goes on where it was.
    if (scenarios.size() == m_scenarios.size() && rows.size() == m_rows.size()) {
        m_scenarios = std::move(scenarios);
        m_rows = std::move(rows);
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        return;
    }
    beginResetModel();
    m_scenarios = std::move(scenarios);
    m_rows = std::move(rows);
    endResetModel();
}

QString CompareTableModel::name(int column) const
{
    return column == 0 ? CalculatorName
                       : m_values.offers[static_cast<std::size_t>(column - 1)].name;
}

int CompareTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstFigureRow + static_cast<int>(m_rows.size());
}

int CompareTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_scenarios.size());
}

QVariant CompareTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.row() < FirstFigureRow)
        return inputData(index.row(), index.column(), role);
    return figureData(index.row() - FirstFigureRow, index.column(), role);
}

QVariant CompareTableModel::inputData(int row, int column, int role) const
{
    const core::OfferInput input = inputOf(row);
    const bool own = column > 0
            && core::overrides(m_values.offers[static_cast<std::size_t>(column - 1)], input);
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole) {
        if (input == core::OfferInput::Name)
            return name(column);
        const auto &scenario = m_scenarios[static_cast<std::size_t>(column)];
        return core::offerInputText(scenario, input, m_locale, role == Qt::EditRole);
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && column > 0 && !own)
        return QStringLiteral("The calculator's; type a value for this offer's own.");
    if (role == Qt::FontRole && column > 0 && !own) {
        QFont font;
        font.setItalic(true); // taken over from the calculator
        return font;
    }
    return {};
}

QVariant CompareTableModel::figureData(int row, int column, int role) const
{
    const core::ComparisonRow &r = m_rows[static_cast<std::size_t>(row)];
    const core::ComparisonCell &cell = r.cells[static_cast<std::size_t>(column)];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        QString text = core::cellText(r.unit, cell, m_locale);
        const QString difference = core::differenceText(r.unit, cell, m_locale);
        if (!difference.isEmpty())
            text += QStringLiteral(" (%1)").arg(difference);
        if (cell.best)
            text += role == Qt::DisplayRole ? BestMark : QStringLiteral(", best");
        return text;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::FontRole && cell.best) {
        QFont font;
        font.setBold(true);
        return font;
    }
    return {};
}

bool CompareTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    core::Offer &offer = m_values.offers[static_cast<std::size_t>(index.column() - 1)];
    if (!core::setOfferInput(offer, inputOf(index.row()), value.toString(), m_locale))
        return false;
    recompute();
    return true;
}

Qt::ItemFlags CompareTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // The calculator's column follows the calculator; its figures are changed there.
    if (index.column() == 0 || index.row() >= FirstFigureRow)
        return shown;
    return shown | Qt::ItemIsEditable;
}

QVariant CompareTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < columnCount() ? name(section) : QVariant();
    if (section < FirstFigureRow)
        return core::offerInputLabel(inputOf(section));
    const auto row = static_cast<std::size_t>(section - FirstFigureRow);
    return row < m_rows.size() ? m_rows[row].label : QVariant();
}

} // namespace lw::shell
