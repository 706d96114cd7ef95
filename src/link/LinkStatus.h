#pragma once

#include "core/BilingualText.h"

namespace aec {

// The status line's colour: black while linking, blue online, red when lost or failed.
enum class StatusColour { Neutral, Online, Failed };

// The texts of the status line and of the link session's messages.
namespace LinkText {
inline const BilingualText Search{QStringLiteral("设备搜索..."), QStringLiteral("Search...")};
inline const BilingualText Linking{QStringLiteral("连接中..."), QStringLiteral("Linking...")};
inline const BilingualText Loading{QStringLiteral("加载中..."), QStringLiteral("Loading...")};
inline const BilingualText Download{QStringLiteral("下载数据..."), QStringLiteral("Download...")};
inline const BilingualText Saving{QStringLiteral("保存中..."), QStringLiteral("Saving...")};
inline const BilingualText Online{QStringLiteral("设备已连接"), QStringLiteral("Online")};
inline const BilingualText Offline{QStringLiteral("设备未连接"), QStringLiteral("Off Line")};
// The automatic reconnect: trying the ports, and the pause before the next round.
inline const BilingualText Reconnecting{QStringLiteral("重新连接中..."),
                                        QStringLiteral("Reconnecting...")};
inline BilingualText ReconnectIn(int seconds)
{
    return {QStringLiteral("%1 秒后重新连接...").arg(seconds),
            QStringLiteral("Reconnecting in %1 s...").arg(seconds)};
}

inline const BilingualText SaveSuccess{QStringLiteral("保存成功!"),
                                       QStringLiteral("Save Success!")};
inline const BilingualText LinkLost{QStringLiteral("已断开连接!"), QStringLiteral("Off Line!")};
inline const BilingualText LinkFailed{QStringLiteral("连接失败!"), QStringLiteral("Off Line!")};

// The link button's caption while a link is sought or held, and while it is not.
inline const BilingualText UnlinkCaption{QStringLiteral("断开"), QStringLiteral("Unlink")};
inline const BilingualText LinkCaption{QStringLiteral("联机"), QStringLiteral("Link")};
} // namespace LinkText

} // namespace aec
