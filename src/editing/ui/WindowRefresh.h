#pragma once

class QWidget;

namespace aec {

struct EditorContext;

// Brings the controls in line with the store without sending anything: after a load, a mode
// recall, and every change of page, scene, effect, source or link side. Also the EQ reset.
class WindowRefresh
{
public:
    static constexpr int AllViewBlocks = 100;

    explicit WindowRefresh(EditorContext& context) : m_ctx(context) {}

    void RefreshBlock(int selector);
    void ResetEq(int selector);
    void EQResetBtnClick();

private:
    void refreshControl(int block, int slot);
    void refreshRightSide();
    void refreshLinkState();
    void refreshEqPass();
    void setTwoState(QWidget* button, int stored);

    EditorContext& m_ctx;
};

} // namespace aec
