#include "editing/ui/VolumeControls.h"

#include "editing/VolumeLimits.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"

#include <QMouseEvent>

namespace aec {
namespace {

constexpr int HandleSize = 8;
constexpr int SliderTop = 22;
constexpr int HandleTop = SliderTop + 24;

const char* const Stems[] = {"SysMus", "SysMic", "SysEff"};
const char* const Channels[] = {"Mus", "Mic", "Eff"};
const char* const ValueLabels[] = {"musLabel", "micLabel", "EffLabel"};

} // namespace

VolumeHandle::VolumeHandle(const QString& name, int tag, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    SetTag(this, tag);
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

QWidget* BuildVolumeChannel(QWidget* parent, const QString& stem, const QString& channel,
                            const QString& captionLabel, int startTag, const QString& valueLabel)
{
    // Placed by hand: the handle formula fixes where a volume stands in pixels.
    auto* box = new QWidget(parent);
    box->setObjectName(stem + QStringLiteral("Channel"));
    box->setFixedSize(250, HandleTop + HandleSize + 6);
    auto* label = PageKit::Label(box, captionLabel);
    label->setGeometry(4, 0, 150, 20);
    auto* pane = PageKit::Pane(box, stem + QStringLiteral("NormalVolPane"), 0);
    pane->setText(QStringLiteral("0"));
    pane->setGeometry(186, 0, 60, 20);
    auto* slider = PageKit::Slider(box, stem + QStringLiteral("NormalVolBar"), 84);
    SetHint(slider, QStringLiteral("0"));
    slider->setGeometry(HandleMinLeft - 8 + HandleSize / 2, SliderTop, 159 + 16, 22);
    new VolumeHandle(channel + QStringLiteral("StartImage"), startTag, box);
    new VolumeHandle(channel + QStringLiteral("MaxImage"), startTag + 1, box);
    for (auto* handle : box->findChildren<VolumeHandle*>())
        handle->move(HandleMinLeft, HandleTop);
    auto* value = new QLabel(QStringLiteral("0"), box);
    value->setObjectName(valueLabel);
    value->setGeometry(4, HandleTop - 4, 40, 16);
    value->hide();
    return box;
}

void VolumeControls::connectControls()
{
    for (const char* stem : Stems)
        for (const char* role : {"NormalVolBar", "StartVolBar", "MaxVolBar"})
            if (auto* slider =
                    qobject_cast<ParamSlider*>(m_ctx.find((QByteArray(stem) + role).constData())))
                connect(slider, &QSlider::valueChanged, this,
                        [this, slider] { SysMusNormalVolBarChange(slider); });
    for (VolumeHandle* handle : m_ctx.window->findChildren<VolumeHandle*>()) {
        connect(handle, &VolumeHandle::pressed, this,
                [this, handle](QPoint at) { handlePressed(handle, at); });
        connect(handle, &VolumeHandle::moved, this,
                [this, handle](QPoint at) { handleMoved(handle, at); });
        connect(handle, &VolumeHandle::released, this, &VolumeControls::handleReleased);
    }
}

VolumeControls::Channel VolumeControls::channelNamed(const QString& stem) const
{
    Channel c;
    const auto slider = [&](const char* role) {
        return qobject_cast<ParamSlider*>(
            m_ctx.find((stem + QLatin1String(role)).toLatin1().constData()));
    };
    c.normal = slider("NormalVolBar");
    c.start = slider("StartVolBar");
    c.maximum = slider("MaxVolBar");
    for (int i = 0; i < 3; ++i) {
        if (stem != QLatin1String(Stems[i]))
            continue;
        const QString channel = QLatin1String(Channels[i]);
        c.startHandle = m_ctx.find((channel + QStringLiteral("StartImage")).toLatin1().constData());
        c.maxHandle = m_ctx.find((channel + QStringLiteral("MaxImage")).toLatin1().constData());
        c.valueLabel = m_ctx.find(ValueLabels[i]);
    }
    return c;
}

VolumeControls::Channel VolumeControls::channelOf(const ParamSlider* slider) const
{
    for (const char* stem : Stems)
        if (slider->objectName().startsWith(QLatin1String(stem)))
            return channelNamed(QLatin1String(stem));
    return {};
}

void VolumeControls::SysMusNormalVolBarChange(ParamSlider* slider)
{
    const Channel c = channelOf(slider);
    if (!c.normal || !c.start || !c.maximum)
        return;
    const auto address = static_cast<ParamAddress>(Tag(slider));
    QWidget* pane = m_ctx.map.ValuePane(address);
    const bool suppressed = m_ctx.SendSuppressed() == 1;
    const auto role = static_cast<VolumeRole>(Hint(slider).toInt());

    if (role == VolumeRole::Normal && pane) {
        const int allowed = LimitNormalRise(Hint(pane).toInt(), slider->value(), suppressed);
        if (allowed != slider->value()) {
            slider->setValue(allowed); // its own change event does the rest
            return;
        }
    }
    const VolumePositions before{c.normal->value(), c.start->value(), c.maximum->value()};
    const VolumeLimitResult limited = ApplyVolumeLimits(before, role, suppressed);
    if (limited.positions.start != before.start)
        c.start->setValue(limited.positions.start);
    if (limited.positions.normal != before.normal)
        c.normal->setValue(limited.positions.normal);
    if (pane) {
        SetHint(pane, QString::number(slider->value()));
        if (auto* label = qobject_cast<QLabel*>(pane))
            label->setText(QString::number(limited.shown));
    }
    if (c.startHandle)
        c.startHandle->move(HandleLeftEdge(c.start->value()), c.startHandle->y());
    if (c.maxHandle)
        c.maxHandle->move(HandleLeftEdge(c.maximum->value()), c.maxHandle->y());
    if (slider != c.normal && c.valueLabel && pane)
        if (auto* label = qobject_cast<QLabel*>(c.valueLabel))
            label->setText(Hint(pane));
    // A refresh only shows: a stored volume beyond the slider's range stays in the store.
    if (m_ctx.state.ControlUpdateGuard == 0)
        m_ctx.SetParameter(address, slider->value());
}

void VolumeControls::handlePressed(VolumeHandle*, QPoint at)
{
    m_pressPoint = at;
    m_dragging = true;
}

void VolumeControls::handleMoved(VolumeHandle* handle, QPoint at)
{
    if (!m_dragging)
        return;
    int left = std::clamp(handle->x(), HandleMinLeft, HandleMaxLeft);
    if (at.x() != m_pressPoint.x())
        left += at.x() - m_pressPoint.x();
    handle->move(left, handle->y());
    if (auto* slider = qobject_cast<ParamSlider*>(
            m_ctx.map.PrimaryControl(static_cast<ParamAddress>(Tag(handle)))))
        slider->setValue(HandlePosition(left));
    // Slots 3 and 4 are the microphone's, 5 and 6 the music's, 7 and 8 the effect's.
    const int slot = SlotOf(static_cast<ParamAddress>(Tag(handle)));
    const char* label = slot <= 4 ? "micLabel" : slot <= 6 ? "musLabel" : "EffLabel";
    if (QWidget* value = m_ctx.find(label)) {
        value->move(std::max(0, left - 14), value->y());
        value->show();
    }
}

void VolumeControls::handleReleased()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    for (const char* label : ValueLabels)
        if (QWidget* value = m_ctx.find(label))
            value->hide();
}

} // namespace aec
