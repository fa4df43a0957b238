// Whole documents: a generated document with every record kind survives reading and writing.
#include "document/CVeskDocument.h"
#include "document/veskTypeCodes.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskScene.h"
#include "scene/CVeskPanoramaScene.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

using namespace irr;

TEST(DocumentRoundTrip, EveryRecordKindIsWrittenBackByteForByte)
{
	IrrlichtDevice* device = hxtest::createNullDevice();
	ASSERT_NE(device, nullptr);
	CVeskDocument* generated = hxtest::createSampleDocument(device);
	const std::vector<u8> original = hxtest::documentFileBytes(generated);
	generated->drop();

	CVeskDocument* first = 0;
	ASSERT_EQ(hxtest::loadDocument(device, original, first, 0, true), 0);
	EXPECT_EQ(first->getSceneCount(), 2);
	EXPECT_EQ(first->getStartSceneIndex(), 1);
	EXPECT_EQ(first->getEmbeddedFileCount(), 6u);
	scene::ISceneNode* camera = first->getScene(0)->getSceneManager()->getSceneNodeFromType(scene::ESCENE_NODE_TYPE(VESK_NODE_CAMERA));
	ASSERT_NE(camera, nullptr);
	std::vector<s32> behaviours;
	for (scene::ISceneNodeAnimator* animator : camera->getAnimators())
		behaviours.push_back(s32(animator->getType()));
	EXPECT_EQ(behaviours, (std::vector<s32>{ EVBT_CAMERA_FPS, EVBT_CAMERA_MODEL_VIEWER }));
	const std::vector<u8> once = hxtest::documentFileBytes(first);

	CVeskDocument* second = 0;
	ASSERT_EQ(hxtest::loadDocument(device, once, second, 0, true), 0);
	const std::vector<u8> twice = hxtest::documentFileBytes(second);

	EXPECT_EQ(once.size(), original.size());
	EXPECT_TRUE(once == original);
	EXPECT_TRUE(twice == once);
	if (once != original)
		for (size_t i = 0; i < once.size() && i < original.size(); ++i)
			if (once[i] != original[i])
			{
				ADD_FAILURE() << "first difference at byte " << i;
				break;
			}
	first->drop();
	second->drop();
	device->drop();
}
