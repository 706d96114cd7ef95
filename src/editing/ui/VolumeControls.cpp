#include "editing/ui/VolumeControls.h"

#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/VolumeLimits.h"
#include "widgets/Binder.h"
#include "widgets/PageKit.h"
#include "widgets/ParamWidgets.h"
#include "widgets/SliderBinding.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace aec {
namespace {

constexpr int HandleSize = 8;
constexpr int SliderTop = 22;
constexpr int HandleTop = SliderTop + 24;
constexpr int MarksTop = HandleTop + HandleSize + 2;
// The room of a channel on the side panel; its pane ends at the right edge.
constexpr int ChannelWidth = 236;
constexpr int PaneWidth = 52;

// Per channel: the stem of its slider names, of its handles, and its value label.
struct ChannelNames
{
    const char* stem;
    const char* handles;
    const char* valueLabel;
};
constexpr ChannelNames Names[] = {
    {"SysMus", "Mus", "musLabel"},
    {"SysMic", "Mic", "micLabel"},
    {"SysEff", "Eff", "EffLabel"},
};

const ParamRow& RowOf(const char* stem, const char* role)
{
    return *RowNamed(QLatin1String(stem) + QLatin1String(role));
}

} // namespace

VolumeHandle::VolumeHandle(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setFixedSize(HandleSize, HandleSize);
    setCursor(Qt::SizeHorCursor);
    setProperty("role", QStringLiteral("volumeHandle"));
}

void VolumeHandle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().toPoint());
}

void VolumeHandle::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->position().toPoint());
}

void VolumeHandle::mouseReleaseEvent(QMouseEvent*)
{
    emit released();
}

VolumeControls::VolumeControls(ParameterModel& model, Binder& binder, const Language& language,
                               QObject* parent)
    : QObject(parent), m_model(model), m_binder(binder), m_language(language)
{
    connect(&language, &Language::changed, this, [this] {
        for (int c = 0; c < 3; ++c)
            showMarks(static_cast<Channel>(c));
    });
}

QWidget* VolumeControls::BuildChannels(QWidget* parent)
{
    auto* tab = new QWidget(parent);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (int c = 0; c < 3; ++c) {
        const ChannelNames& n = Names[c];
        ChannelControls& controls = m_channels[std::size_t(c)];
        // Placed by hand: the handle formula fixes where a volume stands in pixels.
        auto* box = new QWidget(tab);
        box->setObjectName(QLatin1String(n.stem) + QStringLiteral("Channel"));
        box->setFixedSize(ChannelWidth, MarksTop + 16);
        const ParamRow& row = RowOf(n.stem, "NormalVolBar");
        PageKit::CaptionLabel(box, row.label, row.caption)->setGeometry(4, 0, 150, 20);
        auto* pane = PageKit::Pane(box, row.pane);
        pane->setGeometry(ChannelWidth - PaneWidth - 2, 0, PaneWidth, 20);
        auto* slider = PageKit::Slider(box, row.name, RowTop(row));
        slider->setGeometry(HandleMinLeft - 8 + HandleSize / 2, SliderTop, 159 + 16, 22);
        controls.normal = qobject_cast<SliderBinding*>(m_binder.bind(row, slider, pane));
        const QString handles = QLatin1String(n.handles);
        controls.startHandle = new VolumeHandle(handles + QStringLiteral("StartImage"), box);
        controls.maxHandle = new VolumeHandle(handles + QStringLiteral("MaxImage"), box);
        for (VolumeHandle* handle : {controls.startHandle, controls.maxHandle})
            handle->move(HandleMinLeft, HandleTop);
        controls.value = new QLabel(QStringLiteral("0"), box);
        controls.value->setObjectName(QLatin1String(n.valueLabel));
        controls.value->setGeometry(4, HandleTop - 4, 40, 16);
        controls.value->hide();
        controls.marks = new QLabel(box);
        controls.marks->setObjectName(QLatin1String(n.stem) + QStringLiteral("MarksLabel"));
        controls.marks->setProperty("role", QStringLiteral("volumeMarks"));
        controls.marks->setAlignment(Qt::AlignCenter);
        controls.marks->setGeometry(HandleMinLeft - 8, MarksTop,
                                    HandleMaxLeft - HandleMinLeft + HandleSize + 16, 14);
        layout->addWidget(box);
    }
    return tab;
}

QWidget* VolumeControls::BuildLimits(QWidget* parent)
{
    auto* tab = new QWidget(parent);
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;
    for (int c = 0; c < 3; ++c) {
        const ChannelNames& n = Names[c];
        for (const char* role : {"StartVolBar", "MaxVolBar"}) {
            const ParamRow& row = RowOf(n.stem, role);
            grid->addWidget(PageKit::CaptionLabel(tab, row.label, row.caption), line, 0, 1, 2);
            auto* slider = PageKit::Slider(tab, row.name, RowTop(row));
            auto* pane = PageKit::Pane(tab, row.pane);
            grid->addWidget(slider, line + 1, 0);
            grid->addWidget(pane, line + 1, 1);
            auto* binding = qobject_cast<SliderBinding*>(m_binder.bind(row, slider, pane));
            ChannelControls& controls = m_channels[std::size_t(c)];
            (QLatin1String(role) == QLatin1String("StartVolBar") ? controls.start
                                                                 : controls.maximum) = binding;
            line += 2;
        }
        bindRules(static_cast<Channel>(c));
        placeHandles(static_cast<Channel>(c));
    }
    return tab;
}

// The rules of one channel, once its three sliders exist.
void VolumeControls::bindRules(Channel channel)
{
    ChannelControls& c = m_channels[channel];
    if (!c.normal || !c.start || !c.maximum)
        return;
    // The normal volume rises by at most one step per move; it falls at once.
    SliderBinding* normal = c.normal;
    normal->setLimit([this, normal](int requested) {
        return LimitNormalRise(m_model.view.at(normal->address()), requested, false);
    });
    const std::array<SliderBinding*, 3> roles = {c.normal, c.start, c.maximum};
    for (int role = 0; role < 3; ++role) {
        connect(roles[std::size_t(role)], &Binding::edited, this,
                [this, channel, role] { applyLimits(channel, role); });
        connect(roles[std::size_t(role)], &SliderBinding::valueShown, this,
                [this, channel] { placeHandles(channel); });
    }
    for (VolumeHandle* handle : {c.startHandle, c.maxHandle}) {
        if (!handle)
            continue;
        SliderBinding* slider = handle == c.startHandle ? c.start : c.maximum;
        connect(handle, &VolumeHandle::pressed, this, [this](QPoint at) {
            m_pressPoint = at;
            m_dragging = true;
        });
        connect(handle, &VolumeHandle::moved, this, [this, channel, handle, slider](QPoint at) {
            handleMoved(channel, handle, slider, at);
        });
        connect(handle, &VolumeHandle::released, this, [this] {
            m_dragging = false;
            for (const ChannelControls& other : m_channels)
                if (other.value)
                    other.value->hide();
        });
    }
}

// No volume passes the maximum: after a move, the others are pulled under it.
void VolumeControls::applyLimits(Channel channel, int role)
{
    ChannelControls& c = m_channels[channel];
    const VolumePositions before{c.normal->slider()->value(), c.start->slider()->value(),
                                 c.maximum->slider()->value()};
    const VolumeLimitResult limited =
        ApplyVolumeLimits(before, static_cast<VolumeRole>(role), false);
    if (limited.positions.start != before.start)
        m_model.set(c.start->address(), limited.positions.start, Origin::Person);
    if (limited.positions.normal != before.normal)
        m_model.set(c.normal->address(), limited.positions.normal, Origin::Person);
    placeHandles(channel);
    SliderBinding* moved = role == 0 ? c.normal : role == 1 ? c.start : c.maximum;
    if (moved != c.normal && c.value)
        c.value->setText(QString::number(moved->slider()->value()));
}

void VolumeControls::placeHandles(Channel channel)
{
    ChannelControls& c = m_channels[channel];
    if (c.startHandle && c.start)
        c.startHandle->move(HandleLeftEdge(c.start->slider()->value()), c.startHandle->y());
    if (c.maxHandle && c.maximum)
        c.maxHandle->move(HandleLeftEdge(c.maximum->slider()->value()), c.maxHandle->y());
    showMarks(channel);
}

void VolumeControls::showMarks(Channel channel)
{
    const ChannelControls& c = m_channels[channel];
    if (!c.marks || !c.start || !c.maximum)
        return;
    static const BilingualText Marks{QStringLiteral("起始 %1 · 最大 %2"),
                                     QStringLiteral("Initial %1 · Max %2")};
    c.marks->setText(m_language.pick(Marks).arg(c.start->slider()->value())
                         .arg(c.maximum->slider()->value()));
}

void VolumeControls::handleMoved(Channel channel, VolumeHandle* handle, SliderBinding* slider,
                                 QPoint at)
{
    if (!m_dragging || !slider)
        return;
    int left = std::clamp(handle->x(), HandleMinLeft, HandleMaxLeft);
    if (at.x() != m_pressPoint.x())
        left += at.x() - m_pressPoint.x();
    handle->move(left, handle->y());
    slider->slider()->setValue(HandlePosition(left));
    if (QLabel* value = m_channels[channel].value) {
        value->move(std::max(0, left - 14), value->y());
        value->show();
    }
}

void VolumeControls::stepNormal(Channel channel, int step)
{
    if (SliderBinding* normal = m_channels[channel].normal)
        normal->slider()->setValue(normal->slider()->value() + step);
}

} // namespace aec
