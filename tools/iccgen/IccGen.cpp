#include "IccGen.h"

#include <lcms2.h>

#include <algorithm>

namespace {

constexpr cmsUInt32Number kA2BGridPoints = 17;
constexpr cmsUInt32Number kB2AGridPoints = 33;

double Clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

cmsUInt16Number ToWord(double v)
{
    return static_cast<cmsUInt16Number>(Clamp01(v) * 65535.0 + 0.5);
}

bool SetText(cmsHPROFILE profile, cmsTagSignature tag, const char* text)
{
    cmsMLU* mlu = cmsMLUalloc(nullptr, 1);
    if (!mlu)
        return false;
    const bool ok = cmsMLUsetASCII(mlu, "en", "US", text) && cmsWriteTag(profile, tag, mlu);
    cmsMLUfree(mlu);
    return ok;
}

bool SaveAndClose(cmsHPROFILE profile, const std::string& path)
{
    const bool ok = cmsSaveProfileToFile(profile, path.c_str());
    cmsCloseProfile(profile);
    return ok;
}

// The two colorimetric legs of the press model, shared by both samplers.
struct SSamplerContext
{
    cmsHTRANSFORM rgbToLab = nullptr;
    cmsHTRANSFORM labToRgb = nullptr;
};

// A2B0: device CMYK -> PCS Lab (version 2 encoding, as a lut16 tag carries).
cmsInt32Number SampleCmykToLab(const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo)
{
    const auto* ctx = static_cast<const SSamplerContext*>(cargo);
    const double cmyk[4] = {in[0] / 65535.0, in[1] / 65535.0, in[2] / 65535.0, in[3] / 65535.0};
    double rgb[3];
    IccGen::CmykToRgb(cmyk, rgb);
    cmsCIELab lab;
    cmsDoTransform(ctx->rgbToLab, rgb, &lab, 1);
    cmsFloat2LabEncodedV2(out, &lab);
    return TRUE;
}

// B2A0: PCS Lab (version 2 encoding) -> device CMYK.
cmsInt32Number SampleLabToCmyk(const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo)
{
    const auto* ctx = static_cast<const SSamplerContext*>(cargo);
    cmsCIELab lab;
    cmsLabEncoded2FloatV2(&lab, in);
    double rgb[3];
    cmsDoTransform(ctx->labToRgb, &lab, rgb, 1);
    for (double& v : rgb)
        v = Clamp01(v);
    double cmyk[4];
    IccGen::RgbToCmyk(rgb, cmyk);
    for (int i = 0; i < 4; ++i)
        out[i] = ToWord(cmyk[i]);
    return TRUE;
}

bool WriteClutTag(cmsHPROFILE profile, cmsTagSignature tag, cmsUInt32Number points, cmsUInt32Number in,
                  cmsUInt32Number out, cmsSAMPLER16 sampler, SSamplerContext* ctx)
{
    cmsPipeline* lut = cmsPipelineAlloc(nullptr, in, out);
    if (!lut)
        return false;
    cmsStage* clut = cmsStageAllocCLut16bit(nullptr, points, in, out, nullptr);
    bool ok = clut && cmsStageSampleCLut16bit(clut, sampler, ctx, 0) &&
              cmsPipelineInsertStage(lut, cmsAT_END, clut);
    if (!ok && clut)
        cmsStageFree(clut);
    ok = ok && cmsWriteTag(profile, tag, lut);
    cmsPipelineFree(lut);
    return ok;
}

} // namespace

namespace IccGen {

void CmykToRgb(const double cmyk[4], double rgb[3])
{
    const double k = 1.0 - Clamp01(cmyk[3]);
    for (int i = 0; i < 3; ++i)
        rgb[i] = (1.0 - Clamp01(cmyk[i])) * k;
}

void RgbToCmyk(const double rgb[3], double cmyk[4])
{
    double cmy[3];
    for (int i = 0; i < 3; ++i)
        cmy[i] = 1.0 - Clamp01(rgb[i]);
    const double k = std::min({cmy[0], cmy[1], cmy[2]});
    for (int i = 0; i < 3; ++i)
        cmyk[i] = k >= 1.0 ? 0.0 : (cmy[i] - k) / (1.0 - k);
    cmyk[3] = k;
}

bool WriteSrgbProfile(const std::string& path)
{
    cmsHPROFILE profile = cmsCreate_sRGBProfile();
    if (!profile)
        return false;
    if (!SetText(profile, cmsSigProfileDescriptionTag, "sRGB IEC61966-2.1") ||
        !SetText(profile, cmsSigCopyrightTag, "No copyright, use freely")) {
        cmsCloseProfile(profile);
        return false;
    }
    return SaveAndClose(profile, path);
}

bool WriteRswopProfile(const std::string& path)
{
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr); // D50, the PCS white
    SSamplerContext ctx;
    if (srgb && lab) {
        const cmsUInt32Number flags = cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE;
        ctx.rgbToLab = cmsCreateTransform(srgb, TYPE_RGB_DBL, lab, TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, flags);
        ctx.labToRgb = cmsCreateTransform(lab, TYPE_Lab_DBL, srgb, TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC, flags);
    }
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    bool ok = ctx.rgbToLab && ctx.labToRgb && profile;
    if (ok) {
        cmsSetProfileVersion(profile, 2.1);
        cmsSetDeviceClass(profile, cmsSigOutputClass);
        cmsSetColorSpace(profile, cmsSigCmykData);
        cmsSetPCS(profile, cmsSigLabData);
        cmsSetHeaderRenderingIntent(profile, INTENT_PERCEPTUAL);
        ok = SetText(profile, cmsSigProfileDescriptionTag, "RSWOP (Brandquill press model)") &&
             SetText(profile, cmsSigCopyrightTag, "No copyright, use freely") &&
             cmsWriteTag(profile, cmsSigMediaWhitePointTag, cmsD50_XYZ()) &&
             WriteClutTag(profile, cmsSigAToB0Tag, kA2BGridPoints, 4, 3, SampleCmykToLab, &ctx) &&
             WriteClutTag(profile, cmsSigBToA0Tag, kB2AGridPoints, 3, 4, SampleLabToCmyk, &ctx);
    }
    if (ctx.rgbToLab)
        cmsDeleteTransform(ctx.rgbToLab);
    if (ctx.labToRgb)
        cmsDeleteTransform(ctx.labToRgb);
    if (srgb)
        cmsCloseProfile(srgb);
    if (lab)
        cmsCloseProfile(lab);
    if (!profile)
        return false;
    if (!ok) {
        cmsCloseProfile(profile);
        return false;
    }
    return SaveAndClose(profile, path);
}

bool WriteAllProfiles(const std::string& folder)
{
    return WriteSrgbProfile(folder + "/sRGB.icm") && WriteRswopProfile(folder + "/RSWOP.ICM");
}

} // namespace IccGen
