// The office suite's shared object-model numbers that more than one program's model reports, as
// the type library publishes them; each model brings them into its own namespace.
#pragma once

#include <cstdint>

namespace office {

// Shape.Type: what kind of drawing object a shape is.
enum MsoShapeType : int32_t {
  msoShapeTypeMixed = -2,
  msoAutoShape = 1,
  msoCallout = 2,
  msoChart = 3,
  msoComment = 4,
  msoFreeform = 5,
  msoGroup = 6,
  msoEmbeddedOLEObject = 7,
  msoFormControl = 8,
  msoLine = 9,
  msoLinkedOLEObject = 10,
  msoLinkedPicture = 11,
  msoOLEControlObject = 12,
  msoPicture = 13,
  msoPlaceholder = 14,
  msoTextEffect = 15,
  msoMedia = 16,
  msoTextBox = 17,
  msoScriptAnchor = 18,
  msoTable = 19,
  msoCanvas = 20,
  msoDiagram = 21,
  msoInk = 22,
  msoInkComment = 23,
  msoSmartArt = 24,
  msoSlicer = 25,
  msoWebVideo = 26,
  msoContentApp = 27,
  msoGraphic = 28,
  msoLinkedGraphic = 29,
  mso3DModel = 30,
  msoLinked3DModel = 31,
};

// FillFormat.Type, GradientColorType and TextureType.
enum MsoFillType : int32_t {
  msoFillMixed = -2,
  msoFillSolid = 1,
  msoFillPatterned = 2,
  msoFillGradient = 3,
  msoFillTextured = 4,
  msoFillBackground = 5,
  msoFillPicture = 6,
};

enum MsoGradientColorType : int32_t {
  msoGradientColorMixed = -2,
  msoGradientOneColor = 1,
  msoGradientTwoColors = 2,
  msoGradientPresetColors = 3,
  msoGradientMultiColor = 4,
};

enum MsoTextureType : int32_t {
  msoTextureTypeMixed = -2,
  msoTexturePreset = 1,
  msoTextureUserDefined = 2,
};

// FillFormat.PresetGradientType.
enum MsoPresetGradientType : int32_t {
  msoPresetGradientMixed = -2,
  msoGradientEarlySunset = 1,
  msoGradientLateSunset = 2,
  msoGradientNightfall = 3,
  msoGradientDaybreak = 4,
  msoGradientHorizon = 5,
  msoGradientDesert = 6,
  msoGradientOcean = 7,
  msoGradientCalmWater = 8,
  msoGradientFire = 9,
  msoGradientFog = 10,
  msoGradientMoss = 11,
  msoGradientPeacock = 12,
  msoGradientWheat = 13,
  msoGradientParchment = 14,
  msoGradientMahogany = 15,
  msoGradientRainbow = 16,
  msoGradientRainbowII = 17,
  msoGradientGold = 18,
  msoGradientGoldII = 19,
  msoGradientBrass = 20,
  msoGradientChrome = 21,
  msoGradientChromeII = 22,
  msoGradientSilver = 23,
  msoGradientSapphire = 24,
};

}  // namespace office
