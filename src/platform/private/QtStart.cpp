#include "platform/private/QtStart.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

#include <dlfcn.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace platform {

namespace {

// Fontconfig parses some seventy configuration files the first time anything
// asks for a font: a few milliseconds that a worker spends while Qt starts.
// Qt's font database links the library; it is found by name, so building
// needs nothing more, and without it there is simply nothing to start.
class FontConfiguration {
public:
    ~FontConfiguration() { Await(); }

    void Begin()
    {
        std::lock_guard lock(mMutex);
        using Init = int (*)();
        const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
        if (!init || mWorker.joinable() || mDone)
            return;
        mWorker = std::thread(init);
    }

    void Await()
    {
        if (mDone.load(std::memory_order_acquire))
            return;
        std::lock_guard lock(mMutex);
        if (mWorker.joinable())
            mWorker.join();
        mDone.store(true, std::memory_order_release);
    }

private:
    std::mutex mMutex;
    std::thread mWorker;
    std::atomic<bool> mDone{false};
};

FontConfiguration& Configuration()
{
    static FontConfiguration configuration;
    return configuration;
}

// Made by the style on the first draw. The menu bar asks for its overflow
// button's picture when it is made, and Qt reads a picture of unknown format
// by loading every image plugin to ask each.
class DrawnLater final : public QIconEngine {
public:
    DrawnLater(QStyle* style, QStyle::StandardPixmap which) : mStyle(style), mWhich(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DrawnLater(*this); }

private:
    const QIcon& Icon()
    {
        if (!mMade && mStyle) {
            mIcon = mStyle->standardIcon(mWhich);
            mMade = true;
        }
        return mIcon;
    }

    QPointer<QStyle> mStyle;
    QStyle::StandardPixmap mWhich;
    QIcon mIcon;
    bool mMade = false;
};

class StartStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new DrawnLater(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void BeginFontConfiguration() { Configuration().Begin(); }
void AwaitFontConfiguration() { Configuration().Await(); }

QStyle* NewStartStyle() { return new StartStyle(); }

}  // namespace platform
