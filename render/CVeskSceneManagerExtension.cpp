#include "render/CVeskSceneManagerExtension.h"

#include <IAttributes.h>
#include <IFileSystem.h>
#include <ISceneManager.h>
#include <ISceneNode.h>

using namespace irr;

namespace
{

struct SPostEffectParameterDefault
{
	E_VESK_POST_EFFECT Effect;
	const char* Name;
	io::E_ATTRIBUTE_TYPE Type;
	s32 IntValue;
	f32 FloatValue;
	u32 ColorValue;
};

const char* const POST_EFFECT_NAMES[EVPE_COUNT] = {
	"Bloom", "Black and White", "Invert", "Blur", "Colorize", "Vignette",
	"LIGHT_TRESHOLD", "BLUR_HORIZONTAL", "BLUR_VERTICAL"
};

const char* const BLOOM_BLUR_ITERATIONS = "Bloom_BlurIterations";
const char* const BLOOM_TRESHOLD = "Bloom_Treshold";
const char* const BLUR_ITERATIONS = "Blur_Iterations";
const char* const COLORIZE_COLOR = "Colorize_Color";
const char* const VIGNETTE_INTENSITY = "Vignette_Intensity";
const char* const VIGNETTE_RADIUS_A = "Vignette_RadiusA";
const char* const VIGNETTE_RADIUS_B = "Vignette_RadiusB";

// In list order per effect: the attributes follow an effect's switch in this order.
const SPostEffectParameterDefault POST_EFFECT_PARAMETERS[] = {
	{ EVPE_BLOOM, BLOOM_BLUR_ITERATIONS, io::EAT_INT, 2, 0.f, 0 },
	{ EVPE_BLOOM, BLOOM_TRESHOLD, io::EAT_FLOAT, 0, 0.7f, 0 },
	{ EVPE_BLUR, BLUR_ITERATIONS, io::EAT_INT, 2, 0.f, 0 },
	{ EVPE_COLORIZE, COLORIZE_COLOR, io::EAT_COLOR, 0, 0.f, 0xFFFF0000 },
	{ EVPE_VIGNETTE, VIGNETTE_INTENSITY, io::EAT_FLOAT, 0, 0.8f, 0 },
	{ EVPE_VIGNETTE, VIGNETTE_RADIUS_A, io::EAT_FLOAT, 0, 0.4f, 0 },
	{ EVPE_VIGNETTE, VIGNETTE_RADIUS_B, io::EAT_FLOAT, 0, 0.55f, 0 },
	{ EVPE_LIGHT_TRESHOLD, "LightTreshold_Treshold", io::EAT_FLOAT, 0, 0.8f, 0 },
};

} // end anonymous namespace

CVeskSceneManagerExtension::CVeskSceneManagerExtension(scene::ISceneManager* sceneManager)
	: SceneManager(sceneManager), BackgroundColor(0x80414141), Gravity(10.f),
	  FogEnabled(false), FogColor(0xFFC8C8C8), FogDensity(0.007f),
	  WindEnabled(false), WindSpeed(1.f), WindStrength(2.f),
	  ShadowsEnabled(false), ShadowBias1(0.001f), ShadowBias2(0.005f), ShadowBackfaceBias(0.5f),
	  ShadowOpacity(0.5f), ShadowDetailFactor(0.2f), CurrentPass(13),
	  FirstDrawTaken(false), FirstDrawTime(0), RegistrationCalls(0), RegistrationsCulled(0)
{
	createPostEffectTable();
}

CVeskSceneManagerExtension::~CVeskSceneManagerExtension()
{
	for (u32 i = 0; i < DeletionQueue.size(); ++i)
		DeletionQueue[i].Node->drop();
	for (u32 i = 0; i < EventBehaviours.size(); ++i)
		EventBehaviours[i]->drop();
	dropPostEffectTable();
}

void CVeskSceneManagerExtension::detachFromSceneManager()
{
	clearRenderLists();
	SceneManager = 0;
}

void CVeskSceneManagerExtension::createPostEffectTable()
{
	io::IFileSystem* fileSystem = SceneManager ? SceneManager->getFileSystem() : 0;
	for (u32 i = 0; i < EVPE_COUNT; ++i)
	{
		PostEffects[i].Name = POST_EFFECT_NAMES[i];
		PostEffects[i].Enabled = false;
		PostEffects[i].OfferedAsAttribute = i < u32(VESK_OFFERED_POST_EFFECT_COUNT);
		PostEffects[i].Parameters = fileSystem ? fileSystem->createEmptyAttributes(SceneManager->getVideoDriver()) : 0;
	}
	for (const SPostEffectParameterDefault& parameter : POST_EFFECT_PARAMETERS)
	{
		io::IAttributes* list = PostEffects[parameter.Effect].Parameters;
		if (!list)
			continue;
		if (parameter.Type == io::EAT_INT)
			list->addInt(parameter.Name, parameter.IntValue);
		else if (parameter.Type == io::EAT_FLOAT)
			list->addFloat(parameter.Name, parameter.FloatValue);
		else
			list->addColor(parameter.Name, video::SColor(parameter.ColorValue));
	}
}

void CVeskSceneManagerExtension::dropPostEffectTable()
{
	for (u32 i = 0; i < EVPE_COUNT; ++i)
		if (PostEffects[i].Parameters)
			PostEffects[i].Parameters->drop();
}

void CVeskSceneManagerExtension::setFog(bool enabled, video::SColor color, f32 density)
{
	FogEnabled = enabled;
	FogColor = color;
	FogDensity = density;
}

void CVeskSceneManagerExtension::getFog(bool& enabled, video::SColor& color, f32& density) const
{
	enabled = FogEnabled;
	color = FogColor;
	density = FogDensity;
}

void CVeskSceneManagerExtension::setWind(bool enabled, f32 speed, f32 strength)
{
	WindEnabled = enabled;
	WindSpeed = speed;
	WindStrength = strength;
}

void CVeskSceneManagerExtension::getWind(bool& enabled, f32& speed, f32& strength) const
{
	enabled = WindEnabled;
	speed = WindSpeed;
	strength = WindStrength;
}

void CVeskSceneManagerExtension::setShadowSettings(bool enabled, f32 bias1, f32 bias2, f32 backfaceBias,
	f32 opacity, f32 detailFactor)
{
	ShadowsEnabled = enabled;
	ShadowBias1 = bias1;
	ShadowBias2 = bias2;
	ShadowBackfaceBias = backfaceBias;
	ShadowOpacity = opacity;
	ShadowDetailFactor = detailFactor;
}

void CVeskSceneManagerExtension::getShadowSettings(bool& enabled, f32& bias1, f32& bias2, f32& backfaceBias,
	f32& opacity, f32& detailFactor) const
{
	enabled = ShadowsEnabled;
	bias1 = ShadowBias1;
	bias2 = ShadowBias2;
	backfaceBias = ShadowBackfaceBias;
	opacity = ShadowOpacity;
	detailFactor = ShadowDetailFactor;
}

void CVeskSceneManagerExtension::setPostEffectParameter(E_VESK_POST_EFFECT effect, const char* name, s32 value)
{
	if (PostEffects[effect].Parameters)
		PostEffects[effect].Parameters->setAttribute(name, value);
}

void CVeskSceneManagerExtension::setPostEffectParameter(E_VESK_POST_EFFECT effect, const char* name, f32 value)
{
	if (PostEffects[effect].Parameters)
		PostEffects[effect].Parameters->setAttribute(name, value);
}

void CVeskSceneManagerExtension::setPostEffectParameter(E_VESK_POST_EFFECT effect, const char* name, video::SColor value)
{
	if (PostEffects[effect].Parameters)
		PostEffects[effect].Parameters->setAttribute(name, value);
}

s32 CVeskSceneManagerExtension::getPostEffectInt(E_VESK_POST_EFFECT effect, const char* name) const
{
	return PostEffects[effect].Parameters ? PostEffects[effect].Parameters->getAttributeAsInt(name) : 0;
}

f32 CVeskSceneManagerExtension::getPostEffectFloat(E_VESK_POST_EFFECT effect, const char* name) const
{
	return PostEffects[effect].Parameters ? PostEffects[effect].Parameters->getAttributeAsFloat(name) : 0.f;
}

video::SColor CVeskSceneManagerExtension::getPostEffectColor(E_VESK_POST_EFFECT effect, const char* name) const
{
	return PostEffects[effect].Parameters ? PostEffects[effect].Parameters->getAttributeAsColor(name) : video::SColor(0);
}

void CVeskSceneManagerExtension::setPostEffectSettings(const bool flags[VESK_OFFERED_POST_EFFECT_COUNT],
	s32 bloomBlurIterations, s32 blurIterations, video::SColor colorizeColor, f32 bloomTreshold,
	f32 vignetteIntensity, f32 vignetteRadiusA, f32 vignetteRadiusB)
{
	for (s32 i = 0; i < VESK_OFFERED_POST_EFFECT_COUNT; ++i)
		PostEffects[i].Enabled = flags[i];
	setPostEffectParameter(EVPE_BLOOM, BLOOM_BLUR_ITERATIONS, bloomBlurIterations);
	setPostEffectParameter(EVPE_BLUR, BLUR_ITERATIONS, blurIterations);
	setPostEffectParameter(EVPE_COLORIZE, COLORIZE_COLOR, colorizeColor);
	setPostEffectParameter(EVPE_BLOOM, BLOOM_TRESHOLD, bloomTreshold);
	setPostEffectParameter(EVPE_VIGNETTE, VIGNETTE_INTENSITY, vignetteIntensity);
	setPostEffectParameter(EVPE_VIGNETTE, VIGNETTE_RADIUS_A, vignetteRadiusA);
	setPostEffectParameter(EVPE_VIGNETTE, VIGNETTE_RADIUS_B, vignetteRadiusB);
}

void CVeskSceneManagerExtension::getPostEffectSettings(bool flags[VESK_OFFERED_POST_EFFECT_COUNT],
	s32& bloomBlurIterations, s32& blurIterations, video::SColor& colorizeColor, f32& bloomTreshold,
	f32& vignetteIntensity, f32& vignetteRadiusA, f32& vignetteRadiusB) const
{
	for (s32 i = 0; i < VESK_OFFERED_POST_EFFECT_COUNT; ++i)
		flags[i] = PostEffects[i].Enabled;
	bloomBlurIterations = getPostEffectInt(EVPE_BLOOM, BLOOM_BLUR_ITERATIONS);
	blurIterations = getPostEffectInt(EVPE_BLUR, BLUR_ITERATIONS);
	colorizeColor = getPostEffectColor(EVPE_COLORIZE, COLORIZE_COLOR);
	bloomTreshold = getPostEffectFloat(EVPE_BLOOM, BLOOM_TRESHOLD);
	vignetteIntensity = getPostEffectFloat(EVPE_VIGNETTE, VIGNETTE_INTENSITY);
	vignetteRadiusA = getPostEffectFloat(EVPE_VIGNETTE, VIGNETTE_RADIUS_A);
	vignetteRadiusB = getPostEffectFloat(EVPE_VIGNETTE, VIGNETTE_RADIUS_B);
}

bool CVeskSceneManagerExtension::isAnyPostEffectEnabled() const
{
	for (u32 i = 0; i < EVPE_COUNT; ++i)
		if (PostEffects[i].Enabled)
			return true;
	return false;
}
