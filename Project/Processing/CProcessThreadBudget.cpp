#include "CProcessThread.h"

#include "ImageFilters.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "UserProfile.h"

#include <algorithm>

namespace
{

quint64 ImageBytes(const Magick::Image& image)
{
    if (!image.isValid())
        return 0;
    const MagickCore::Image* raw = image.constImage();
    const bool indexed = raw->storage_class == MagickCore::PseudoClass || raw->colorspace == MagickCore::CMYKColorspace;
    return quint64(raw->columns) * raw->rows *
           (sizeof(MagickCore::PixelPacket) + (indexed ? sizeof(MagickCore::IndexPacket) : 0));
}

quint64 EngineBytes(const CImageManager& engine)
{
    quint64 bytes = ImageBytes(engine.m_Image);
    for (const Magick::Image& page : engine.m_Pages)
        bytes += ImageBytes(page);
    return bytes;
}

} // namespace

bool CProcessThread::TakePhotoMemory()
{
    CPhotoPeaks::SPhoto photo = m_Header;
    if (!m_DecodeHint.isEmpty() && !photo.size.isEmpty())
        photo.decoded = CImageFilters::JpegDecodeSize(photo.size, m_DecodeHint);
    // A flattened document holds its layers and the flat image.
    photo.frames = m_MultiPage ? m_PageCount + (m_pProfile->MultipageWrite == 1 ? 1 : 0) : 1;
    m_PhotoPlan = CPhotoPeaks::Steps(photo, m_pFilters->filters, CImageManager::FormatOf(m_OutputPath));
    // The pages a document has collected so far stay beside every step.
    const quint64 kept = EngineBytes(*m_Engine);
    for (quint64& peak : m_PhotoPlan.steps)
        peak += kept;
    if (!m_Lease)
        m_Lease = std::make_unique<CPixelBudget::CLease>(CPixelBudget::Shared());
    m_Engine->SetBeforeCheck([this] { TakeCheckMemory(); });
    const QList<quint64>& steps = m_PhotoPlan.steps;
    return m_Lease->Acquire(
        *std::max_element(steps.begin(), steps.end()), [this] { return cancel.load(); }, int(PollMs),
        m_PhotoPlan.caches);
}

void CProcessThread::PassPhotoSteps(int done)
{
    const QList<quint64>& steps = m_PhotoPlan.steps;
    if (!m_Lease || done >= steps.size())
        return;
    m_Lease->Lower(*std::max_element(steps.begin() + done, steps.end()));
}

void CProcessThread::TakeCheckMemory()
{
    if (!m_Lease)
        return;
    // Holding nothing else while it waits, it keeps no other worker waiting.
    m_Lease->Lower(EngineBytes(*m_Engine));
    m_Lease->Acquire(
        m_Lease->Held() + m_PhotoPlan.check, [this] { return cancel.load(); }, int(PollMs));
}

void CProcessThread::EndPhotoMemory()
{
    if (!m_Lease)
        return;
    m_Lease->Lower(OneDocument() ? EngineBytes(*m_Engine) : 0);
    m_PhotoPlan = CPhotoPeaks::SPlan();
}
