// Loading the art of a display scale: PNG decoding through the Windows Imaging Component, which
// COM loads from the system folder on demand (no start-up import), and halftone fitting.
#include "skin/scaled_art.h"

#include <wincodec.h>

#include "skin/dpi_scale.h"
#include "win32/handle_guards.h"

namespace {

const int kSet150Dpi = 144;
const int kSet200Dpi = 192;

// The version-1 factory: the one Windows 7 has without its platform update.
const CLSID kWicFactory = {0xcacaf262, 0x9370, 0x4615,
                           {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
const GUID kPixelFormat24bppBgr = {0x6fddc324, 0x4e03, 0x4bfe,
                                   {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};

// A top-down 24-bit DIB section; bits receives its pixels.
HBITMAP CreateArtBitmap(HDC compatibleDc, int width, int height, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  return CreateDIBSection(compatibleDc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP DecodePng(const BYTE* bytes, DWORD size, HDC compatibleDc) {
  // The thread's apartment when it has one (the window's thread has), else one for the decoding.
  ComApartment apartment;
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(CoCreateInstance(kWicFactory, nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(IWICImagingFactory), factory.receiveAny())) ||
      FAILED(factory->CreateStream(stream.receive())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                              WICDecodeMetadataCacheOnDemand, decoder.receive())) ||
      FAILED(decoder->GetFrame(0, frame.receive())) ||
      FAILED(factory->CreateFormatConverter(converter.receive())) ||
      FAILED(converter->Initialize(frame.get(), kPixelFormat24bppBgr, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
      width > 0x4000 || height > 0x4000) {
    return nullptr;
  }
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(
      CreateArtBitmap(compatibleDc, static_cast<int>(width), static_cast<int>(height), &bits));
  const UINT stride = (width * 3 + 3) & ~3u;
  if (!bitmap.get() ||
      FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    return nullptr;
  }
  return bitmap.release();
}

HBITMAP LoadPngArt(HINSTANCE instance, unsigned id, int setDpi, HDC compatibleDc) {
  const char* type = setDpi == kSet150Dpi ? "ART150" : "ART200";
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id & 0xFFFF), type);
  HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
  const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (!bytes) return nullptr;
  return DecodePng(bytes, SizeofResource(instance, resource), compatibleDc);
}

// The 100 % bitmap's size from its resource header, without loading it; 0 x 0 when there is none.
SIZE BaseArtSize(HINSTANCE instance, unsigned id) {
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id & 0xFFFF), MAKEINTRESOURCEA(2));
  HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || SizeofResource(instance, resource) < sizeof(BITMAPINFOHEADER)) return SIZE{0, 0};
  BITMAPINFOHEADER header;
  CopyMemory(&header, bytes, sizeof header);
  if (header.biSize < sizeof header) return SIZE{0, 0};
  return SIZE{header.biWidth, header.biHeight < 0 ? -header.biHeight : header.biHeight};
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP description = {};
  GetObjectA(bitmap, sizeof description, &description);
  return SIZE{description.bmWidth, description.bmHeight};
}

// The source fitted to the size with halftone filtering, or null.
HBITMAP Fit(HBITMAP source, SIZE from, SIZE to, HDC compatibleDc) {
  void* bits = nullptr;
  GdiObject<HBITMAP> fitted(CreateArtBitmap(compatibleDc, to.cx, to.cy, &bits));
  MemDc sourceDc(CreateCompatibleDC(compatibleDc));
  MemDc targetDc(CreateCompatibleDC(compatibleDc));
  if (!fitted.get() || !sourceDc.get() || !targetDc.get()) return nullptr;
  SelectGuard sourceSelected(sourceDc.get(), source);
  SelectGuard targetSelected(targetDc.get(), fitted.get());
  SetStretchBltMode(targetDc.get(), HALFTONE);
  SetBrushOrgEx(targetDc.get(), 0, 0, nullptr);
  if (!StretchBlt(targetDc.get(), 0, 0, to.cx, to.cy, sourceDc.get(), 0, 0, from.cx, from.cy,
                  SRCCOPY)) {
    return nullptr;
  }
  GdiFlush();
  return fitted.release();
}

}  // namespace

int ArtSetDpi(int dpi) {
  if (dpi <= kBaseDpi) return kBaseDpi;
  return dpi <= kSet150Dpi ? kSet150Dpi : kSet200Dpi;
}

SIZE ScaledArtSize(SIZE source, int sourceDpi, int dpi) {
  SIZE size = {MulDiv(source.cx, dpi, sourceDpi), MulDiv(source.cy, dpi, sourceDpi)};
  if (source.cy > 0 && source.cx % source.cy == 0) size.cx = size.cy * (source.cx / source.cy);
  return size;
}

HBITMAP LoadScaledArt(HINSTANCE instance, unsigned id, int dpi, HDC compatibleDc) {
  const LPCSTR name = MAKEINTRESOURCEA(id & 0xFFFF);
  if (dpi == kBaseDpi) return LoadBitmapA(instance, name);
  const int setDpi = ArtSetDpi(dpi);
  GdiObject<HBITMAP> art;
  if (setDpi != kBaseDpi) art.reset(LoadPngArt(instance, id, setDpi, compatibleDc));
  if (!art.get()) art.reset(LoadBitmapA(instance, name));
  if (!art.get()) return nullptr;
  // The 100 % bitmap's size rules, so that every set gives the layout the same sizes.
  const SIZE from = BitmapSize(art.get());
  const SIZE base = BaseArtSize(instance, id);
  const SIZE to = ScaledArtSize(base.cx > 0 ? base : from, base.cx > 0 ? kBaseDpi : setDpi, dpi);
  if (to.cx <= 0 || to.cy <= 0) return nullptr;
  if (to.cx == from.cx && to.cy == from.cy) return art.release();
  return Fit(art.get(), from, to, compatibleDc);
}
