#ifndef HX_S_PUBLISHING_SETTINGS_H
#define HX_S_PUBLISHING_SETTINGS_H

#include <SColor.h>
#include <irrString.h>

class CVeskDeserializer;
class CVeskSerializer;

//! The document's publishing settings: the application title and the authoring tool's
//! per-target options. The player uses the title, loadingFlags bit 1 (show the frame rate)
//! and e6 bit 4 (physics); the other fields are kept so they can be written back.
struct SPublishingSettings
{
	//! Bit values of loadingFlags.
	enum
	{
		LOADING_SHOW_FRAME_RATE = 1,
		LOADING_HAS_TEXT = 2,
		LOADING_HAS_IMAGE = 4
	};
	//! Bit value of a6: the string a7 is stored.
	enum { A_HAS_TEXT = 8 };
	//! Bit value of e6: physics is enabled.
	enum { E_PHYSICS = 4 };

	//! The defaults; draws a new random applicationId.
	SPublishingSettings();

	irr::s32 kind;
	irr::core::stringc applicationTitle;

	irr::s32 a0, a1, a2, a3, a4, a5, a6;
	bool b0, b1, b2, b3;
	irr::core::stringc a7;
	irr::s32 a8;

	irr::s32 c0, c1, c2, c3, c4;
	//! Name of the texture stored when c4 & 7 is not 0.
	irr::core::stringc c5;

	irr::s32 d0, d1, d2, d3, d4;
	irr::core::stringc d5;
	irr::s32 d6;

	irr::s32 e0, e1, e2, e3, e4, e5, e6;
	bool f0, f1, f2, f3;
	irr::s32 e7;

	irr::s32 loadingFlags;
	//! Stored after loadingFlags and not interpreted.
	irr::s32 loadingReserved;
	irr::video::SColor loadingBackground;
	irr::core::stringc loadingText;
	irr::core::stringc loadingImage;

	irr::s32 g0, g1, g2, g3, g4;
	irr::core::stringc applicationId;
	irr::core::stringc g5;
	irr::core::stringc applicationVersion;

	irr::s32 h0;
	irr::f32 h1;
	irr::s32 h2, h3, h4, h5;

	bool showFrameRate() const { return (loadingFlags & LOADING_SHOW_FRAME_RATE) != 0; }
	bool physicsEnabled() const { return (e6 & E_PHYSICS) != 0; }

	//! Reads the payload of chunk 20 (its header read last) over the current values.
	void readSettings(CVeskDeserializer* reader);
	//! Writes the payload of chunk 20 in the layout of the newest version.
	void writeSettings(CVeskSerializer* writer) const;
};

#endif
