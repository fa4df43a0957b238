#include "scene/CVesk3DScene.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskNodeTree.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"

#include <ISceneManager.h>

using namespace irr;

namespace
{

enum
{
	TAG_NODE_TREE = 8,
	TAG_SETTINGS_RECORD = 24,
	TAG_DEFAULT_CAMERA = 1007,
	TAG_GRAVITY = 1008,
	TAG_FOG = 1009,
	TAG_WIND = 1010,
	TAG_SHADOWS = 1011,
	TAG_POST_EFFECTS = 1012
};

//! Every setting of the scene manager's extension, as read or to be written.
struct SSceneSettings
{
	SSceneSettings()
		: Gravity(10.f), FogEnabled(false), FogColor(0xFFC8C8C8), FogDensity(0.007f), WindEnabled(false),
		  WindSpeed(1.f), WindStrength(2.f), ShadowsEnabled(false), Bias1(0.001f), Bias2(0.005f), BackfaceBias(0.5f),
		  Opacity(0.5f), DetailFactor(0.2f), BloomBlurIterations(2), BlurIterations(2), ColorizeColor(0xFFFF0000),
		  BloomTreshold(0.7f), VignetteIntensity(0.8f), VignetteRadiusA(0.4f), VignetteRadiusB(0.55f)
	{
		for (int i = 0; i < VESK_OFFERED_POST_EFFECT_COUNT; ++i)
			Effects[i] = false;
	}

	void take(const CVeskSceneManagerExtension* extension)
	{
		Gravity = extension->getGravity();
		extension->getFog(FogEnabled, FogColor, FogDensity);
		extension->getWind(WindEnabled, WindSpeed, WindStrength);
		extension->getShadowSettings(ShadowsEnabled, Bias1, Bias2, BackfaceBias, Opacity, DetailFactor);
		extension->getPostEffectSettings(Effects, BloomBlurIterations, BlurIterations, ColorizeColor, BloomTreshold,
			VignetteIntensity, VignetteRadiusA, VignetteRadiusB);
	}

	f32 Gravity;
	bool FogEnabled;
	video::SColor FogColor;
	f32 FogDensity;
	bool WindEnabled;
	f32 WindSpeed, WindStrength;
	bool ShadowsEnabled;
	f32 Bias1, Bias2, BackfaceBias, Opacity, DetailFactor;
	bool Effects[VESK_OFFERED_POST_EFFECT_COUNT];
	s32 BloomBlurIterations, BlurIterations;
	video::SColor ColorizeColor;
	f32 BloomTreshold, VignetteIntensity, VignetteRadiusA, VignetteRadiusB;
};

} // end anonymous namespace

CVesk3DScene::CVesk3DScene()
{
}

void CVesk3DScene::setDefaultCamera(const core::vector3df& position, const core::vector3df& target)
{
	DefaultCameraPosition = position;
	DefaultCameraTarget = target;
}

void CVesk3DScene::readBinary(CVeskDeserializer* reader, bool skipSettings)
{
	const long end = reader->getChunkEnd();
	CVeskScene::readBinary(reader, skipSettings);
	scene::ISceneManager* sceneManager = getSceneManager();
	CVeskSceneManagerExtension* extension = skipSettings ? 0 : getSceneExtension(sceneManager);
	SSceneSettings s;
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		switch (tag)
		{
		case TAG_NODE_TREE:
			if (sceneManager)
				readNodeTree(reader, sceneManager->getRootSceneNode(), sceneManager);
			break;
		case TAG_SETTINGS_RECORD:
			if (!skipSettings)
			{
				Record.Value0 = reader->readInt();
				Record.Value1 = reader->readInt();
				Record.Value2 = reader->readInt();
				Record.Value3 = reader->readFloat();
				Record.Value4 = reader->readInt();
				Record.Flag0 = reader->readBool();
				Record.Flag1 = reader->readBool();
			}
			break;
		case TAG_DEFAULT_CAMERA:
			if (!skipSettings)
			{
				DefaultCameraPosition = reader->readVector();
				DefaultCameraTarget = reader->readVector();
			}
			break;
		case TAG_GRAVITY:
			s.Gravity = reader->readFloat();
			if (extension)
				extension->setGravity(s.Gravity);
			break;
		case TAG_FOG:
			s.FogEnabled = reader->readBool();
			s.FogDensity = reader->readFloat();
			s.FogColor = reader->readColor();
			if (extension)
				extension->setFog(s.FogEnabled, s.FogColor, s.FogDensity);
			break;
		case TAG_WIND:
			s.WindEnabled = reader->readBool();
			s.WindSpeed = reader->readFloat();
			s.WindStrength = reader->readFloat();
			if (extension)
				extension->setWind(s.WindEnabled, s.WindSpeed, s.WindStrength);
			break;
		case TAG_SHADOWS:
			s.ShadowsEnabled = reader->readBool();
			s.Bias1 = reader->readFloat();
			s.Bias2 = reader->readFloat();
			s.BackfaceBias = reader->readFloat();
			s.Opacity = reader->readFloat();
			s.DetailFactor = reader->readFloat();
			if (extension)
				extension->setShadowSettings(s.ShadowsEnabled, s.Bias1, s.Bias2, s.BackfaceBias, s.Opacity, s.DetailFactor);
			break;
		case TAG_POST_EFFECTS:
			for (int i = 0; i < VESK_OFFERED_POST_EFFECT_COUNT; ++i)
				s.Effects[i] = reader->readBool();
			s.BloomBlurIterations = reader->readInt();
			s.BloomTreshold = reader->readFloat();
			s.BlurIterations = reader->readInt();
			s.ColorizeColor = reader->readColor();
			s.VignetteIntensity = reader->readFloat();
			s.VignetteRadiusA = reader->readFloat();
			s.VignetteRadiusB = reader->readFloat();
			if (extension)
				extension->setPostEffectSettings(s.Effects, s.BloomBlurIterations, s.BlurIterations, s.ColorizeColor,
					s.BloomTreshold, s.VignetteIntensity, s.VignetteRadiusA, s.VignetteRadiusB);
			break;
		default:
			break;
		}
		reader->seekTo(chunkEnd);
	}
}

void CVesk3DScene::writeBinary(CVeskSerializer* writer)
{
	CVeskScene::writeBinary(writer);
	scene::ISceneManager* sceneManager = getSceneManager();
	SSceneSettings s;
	const CVeskSceneManagerExtension* extension = getSceneExtension(sceneManager);
	if (extension)
		s.take(extension);

	writer->beginChunk(TAG_DEFAULT_CAMERA);
	writer->writeVector(DefaultCameraPosition);
	writer->writeVector(DefaultCameraTarget);
	writer->endChunk();

	writer->beginChunk(TAG_SETTINGS_RECORD);
	writer->writeInt(Record.Value0);
	writer->writeInt(Record.Value1);
	writer->writeInt(Record.Value2);
	writer->writeFloat(Record.Value3);
	writer->writeInt(Record.Value4);
	writer->writeBool(Record.Flag0);
	writer->writeBool(Record.Flag1);
	writer->endChunk();

	writer->beginChunk(TAG_GRAVITY);
	writer->writeFloat(s.Gravity);
	writer->endChunk();

	writer->beginChunk(TAG_FOG);
	writer->writeBool(s.FogEnabled);
	writer->writeFloat(s.FogDensity);
	writer->writeColor(s.FogColor);
	writer->endChunk();

	writer->beginChunk(TAG_WIND);
	writer->writeBool(s.WindEnabled);
	writer->writeFloat(s.WindSpeed);
	writer->writeFloat(s.WindStrength);
	writer->endChunk();

	writer->beginChunk(TAG_SHADOWS);
	writer->writeBool(s.ShadowsEnabled);
	writer->writeFloat(s.Bias1);
	writer->writeFloat(s.Bias2);
	writer->writeFloat(s.BackfaceBias);
	writer->writeFloat(s.Opacity);
	writer->writeFloat(s.DetailFactor);
	writer->endChunk();

	writer->beginChunk(TAG_POST_EFFECTS);
	for (int i = 0; i < VESK_OFFERED_POST_EFFECT_COUNT; ++i)
		writer->writeBool(s.Effects[i]);
	writer->writeInt(s.BloomBlurIterations);
	writer->writeFloat(s.BloomTreshold);
	writer->writeInt(s.BlurIterations);
	writer->writeColor(s.ColorizeColor);
	writer->writeFloat(s.VignetteIntensity);
	writer->writeFloat(s.VignetteRadiusA);
	writer->writeFloat(s.VignetteRadiusB);
	writer->endChunk();

	writer->beginChunk(TAG_NODE_TREE);
	if (sceneManager)
		writeNodeRecord(writer, sceneManager->getRootSceneNode(), sceneManager);
	writer->endChunk();
}
