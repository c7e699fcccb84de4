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

} // namespace

bool CProcessThread::TakePhotoMemory()
{
    CPhotoPeaks::SPhoto photo = m_Header;
    if (!m_DecodeHint.isEmpty() && !photo.size.isEmpty())
        photo.decoded = CImageFilters::JpegDecodeSize(photo.size, m_DecodeHint);
    // A flattened document holds its layers and the flat image.
    photo.frames = m_MultiPage ? m_PageCount + (m_pProfile->MultipageWrite == 1 ? 1 : 0) : 1;
    m_StepPeaks = CPhotoPeaks::Steps(photo, m_pFilters->filters, CImageManager::FormatOf(m_OutputPath), true);
    // The pages a document has collected so far stay beside every step.
    quint64 kept = 0;
    for (const Magick::Image& page : m_Engine->m_Pages)
        kept += ImageBytes(page);
    for (quint64& peak : m_StepPeaks)
        peak += kept;
    if (!m_Lease)
        m_Lease = std::make_unique<CPixelBudget::CLease>(CPixelBudget::Shared());
    const quint64 most = *std::max_element(m_StepPeaks.begin(), m_StepPeaks.end());
    return m_Lease->Acquire(
        most, [this] { return cancel.load(); }, int(PollMs));
}

void CProcessThread::PassPhotoSteps(int done)
{
    if (!m_Lease || done >= m_StepPeaks.size())
        return;
    m_Lease->Lower(*std::max_element(m_StepPeaks.begin() + done, m_StepPeaks.end()));
}

void CProcessThread::EndPhotoMemory()
{
    if (!m_Lease)
        return;
    quint64 kept = ImageBytes(m_Engine->m_Image);
    for (const Magick::Image& page : m_Engine->m_Pages)
        kept += ImageBytes(page);
    m_Lease->Lower(OneDocument() ? kept : 0);
    m_StepPeaks.clear();
}
