#include "firmwareupdate.h"

#include "log.h"

std::atomic<CFirmwareUpdate*> CFirmwareUpdate::s_pInstance{nullptr};

CFirmwareUpdate* CFirmwareUpdate::instance(QObject* parent)
{
    CFirmwareUpdate* pInstance = s_pInstance.load();
    if (!pInstance) {
        pInstance = new CFirmwareUpdate(parent);
        s_pInstance.store(pInstance);
    }
    return pInstance;
}

CFirmwareUpdate::CFirmwareUpdate(QObject* parent)
    : QThread(parent)
{
    TS_DEBUG("Entering");
    TS_DEBUG("Exiting");
}

CFirmwareUpdate::~CFirmwareUpdate()
{
    // The window deletes the service only after its thread has ended; a later instance() starts afresh.
    CFirmwareUpdate* pSelf = this;
    s_pInstance.compare_exchange_strong(pSelf, nullptr);
}

void CFirmwareUpdate::setStopping(bool bStopping)
{
    m_bStopping.store(bStopping);
}

bool CFirmwareUpdate::isStopping() const
{
    return m_bStopping.load();
}

void CFirmwareUpdate::setProductId(int iProductId)
{
    m_iProductId.store(iProductId);
}

int CFirmwareUpdate::productId() const
{
    return m_iProductId.load();
}

void CFirmwareUpdate::customEvent(QEvent* event)
{
    const int iType = static_cast<int>(event->type());
    if (m_bStopping.load() || iType < FirstEvent || iType > LastEvent)
        return;
    TS_DEBUG("Update request %d received", iType);
}

void CFirmwareUpdate::run()
{
    TS_DEBUG("Entering");
    exec();
    TS_DEBUG("Exiting");
}
