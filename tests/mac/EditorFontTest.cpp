// The editor's fonts in the macOS form: made by the drawing emulation from
// the text style, measured and drawn with its metrics.

#include "GDIEmulation.h"
#include "IText.h"
#include "MacosStandin.h"
#include "TestView.h"
#include "lice_font.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The last font CoreText was asked for.
StandinCall LastFontRequest()
{
  StandinCall last;
  for (const StandinCall& call : StandinRecordedCalls())
    if (call.name == "CTFontCreateWithName") last = call;
  return last;
}

TEST(MacEditorFont, TheStyleBecomesAnEmulationFont)
{
  StandinFace face;
  face.ascent = 0.97;
  face.descent = 0.29;
  face.leading = 0.04;
  face.advance = 1.02;
  face.postScriptName = "EditorFace-Bold";
  StandinRegisterFace("Editor Face Bold", face);
  StandinClearCalls();

  vo::TestView view;
  IText style(10, IColor(255, 255, 255, 255), "Editor Face", IText::kStyleBold, IText::kAlignLeft, 0,
              IText::kQualityAntiAliased);
  LICE_IFont* font = view.FindOrCreateFont(&style);
  ASSERT_NE(nullptr, font);
  // Bold reached the key, and the installed face's PostScript name was used.
  EXPECT_EQ("EditorFace-Bold", LastFontRequest().text);
  EXPECT_EQ(10.0, LastFontRequest().numbers.at(0));

  // The handle is a live font of the emulation: it selects into a context.
  GDIEmu_DC* context = CreateMemoryContext(nullptr, 4, 4);
  auto* handle = static_cast<GDIEmu_Object*>(font->GetHFont());
  EXPECT_EQ(reinterpret_cast<GDIEmu_Object*>(GDIEMU_FONT_SLOT), SelectObject(context, handle));
  EXPECT_EQ(handle, SelectObject(context, reinterpret_cast<GDIEmu_Object*>(GDIEMU_FONT_SLOT)));
  DeleteDC(context);

  // Its text metrics give the line height: 9 + 2 + 0, plus 1.
  EXPECT_EQ(12, font->GetLineHeight());
  IRECT r(10, 20, 200, 40);
  EXPECT_TRUE(view.MeasureTextRect(&style, "ab", &r));
  EXPECT_EQ(IRECT(10, 20, 30, 35), r);  // measured natively by the emulation: 20 x 15
}
}  // namespace
