#include "system/EqTarget.h"

#include "core/Addressing.h"
#include "core/ParameterNames.h"
#include "core/ParameterTable.h"
#include "editing/EqReset.h"

namespace aec {
namespace {

// The blocks whose EQ a page shows: blocks 0 to 27 (28 and up have no bands).
constexpr int LastEqBlock = Block::HiddenMicB;

ParamAddress ViewAddress(int viewBlock, int band, BandField field)
{
    return MakeAddress(viewBlock, BandSlot(viewBlock, band, field));
}

// Two banks in one block: the second is chosen as the second side of its link pair.
std::optional<LinkGroup> BankGroup(int block)
{
    if (block == Block::Music)
        return LinkGroup::Music;
    if (block == Block::DynamicEq)
        return LinkGroup::DynamicEq;
    return std::nullopt;
}

} // namespace

std::optional<EqTarget> EqTarget::ForView(int viewBlock, const SelectionState& selection)
{
    if (viewBlock < 0 || viewBlock > LastEqBlock || EqBandCount[viewBlock] == 0 ||
        !RowAt(ViewAddress(viewBlock, 0, BandField::Type)))
        return std::nullopt;
    EqTarget target;
    target.m_viewBlock = viewBlock;
    target.m_selection = selection;
    target.m_bands = EqBandCount[viewBlock];
    const auto first = DescribeDeviceAddress(target.address(0, BandField::Type));
    if (!first || !first->row)
        return std::nullopt;
    // "music.right.eq.1.type" less its row's "eq.1.type".
    target.m_key = first->key.chopped(first->row->key.size() + 1);
    target.m_title = first->instance;
    return target;
}

std::optional<EqTarget> EqTarget::ForPage(const QString& page, const QString& side, QString* error)
{
    QString name = page;
    QString bank = side;
    for (const char* suffix : {".right", ".bank2"}) {
        if (name.endsWith(QLatin1String(suffix)) && bank.isEmpty()) {
            name.chop(static_cast<int>(qstrlen(suffix)));
            bank = QStringLiteral("right");
        }
    }
    if (!bank.isEmpty() && bank != QLatin1String("left") && bank != QLatin1String("right")) {
        *error = QStringLiteral("the side is \"left\" or \"right\", not \"%1\"").arg(bank);
        return std::nullopt;
    }
    for (int block = 0; block <= LastEqBlock; ++block) {
        const BlockInstance instance = InstanceOf(block);
        if (instance.key != name || EqBandCount[block] == 0)
            continue;
        const auto group = BankGroup(block);
        if (bank == QLatin1String("right") && !group) {
            *error = QStringLiteral("page %1 has one side: name the other side's page instead")
                         .arg(name);
            return std::nullopt;
        }
        // The selections that make the page's view block stand for this block.
        SelectionState selection;
        selection.CurrentMicBlock = block;
        selection.CurrentEffectBlock = block;
        selection.CurrentOutputBlock = block;
        selection.CurrentHiddenBlock = block;
        if (group && bank == QLatin1String("right"))
            selection.LinkSelection(*group) = LinkSide::Second;
        return ForView(instance.viewBlock, selection);
    }
    *error = QStringLiteral("no EQ page is called \"%1\"; the pages are %2")
                 .arg(page, PageNames().join(QStringLiteral(", ")));
    return std::nullopt;
}

QStringList EqTarget::PageNames()
{
    QStringList names;
    for (int block = 0; block <= LastEqBlock; ++block)
        if (EqBandCount[block] > 0)
            names << InstanceOf(block).key;
    return names;
}

ParamAddress EqTarget::address(int band, BandField field) const
{
    return ViewToDeviceAddress(ViewAddress(m_viewBlock, band, field), m_selection);
}

const ParamRow& EqTarget::row(int band, BandField field) const
{
    // ForView made sure the page's band rows exist.
    return *RowAt(ViewAddress(m_viewBlock, band, field));
}

int EqTarget::flatValue(int band, BandField field) const
{
    return DefaultBandValue(m_viewBlock, band, field);
}

} // namespace aec
