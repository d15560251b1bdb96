// ADM Drawer: what draw procedures paint with.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMDrawerSuite {
    // The rectangle being drawn, with its origin at 0, 0.
    ASErr (*GetBoundsRect)(ADMDrawerRef drawer, ADMRect* bounds);
    ASErr (*SetClipRect)(ADMDrawerRef drawer, const ADMRect* clip);
    ASErr (*GetClipRect)(ADMDrawerRef drawer, ADMRect* clip);
    ASErr (*SetRGBColor)(ADMDrawerRef drawer, const ADMRGBColor* colour);
    ASErr (*GetRGBColor)(ADMDrawerRef drawer, ADMRGBColor* colour);
    ASErr (*SetADMColor)(ADMDrawerRef drawer, ADMColor colour);
    ASErr (*SetFont)(ADMDrawerRef drawer, int32_t font);
    // Clears the whole drawing area, or one rectangle of it, to the background.
    ASErr (*Clear)(ADMDrawerRef drawer);
    ASErr (*ClearRect)(ADMDrawerRef drawer, const ADMRect* rect);
    ASErr (*DrawLine)(ADMDrawerRef drawer, const ADMPoint* start, const ADMPoint* end);
    ASErr (*DrawPolygon)(ADMDrawerRef drawer, const ADMPoint* points, int32_t count);
    ASErr (*FillPolygon)(ADMDrawerRef drawer, const ADMPoint* points, int32_t count);
    ASErr (*DrawRect)(ADMDrawerRef drawer, const ADMRect* rect);
    ASErr (*FillRect)(ADMDrawerRef drawer, const ADMRect* rect);
    ASErr (*DrawSunkenRect)(ADMDrawerRef drawer, const ADMRect* rect);
    ASErr (*DrawRaisedRect)(ADMDrawerRef drawer, const ADMRect* rect);
    ASErr (*DrawOval)(ADMDrawerRef drawer, const ADMRect* rect);
    ASErr (*FillOval)(ADMDrawerRef drawer, const ADMRect* rect);
    // Text with its baseline starting at `point`.
    ASErr (*DrawText)(ADMDrawerRef drawer, const char* text, const ADMPoint* point);
    ASErr (*DrawTextCentered)(ADMDrawerRef drawer, const char* text, const ADMRect* rect);
    ASErr (*DrawIcon)(ADMDrawerRef drawer, ADMIconRef icon, const ADMPoint* point);
    ASErr (*DrawIconCentered)(ADMDrawerRef drawer, ADMIconRef icon, const ADMRect* rect);
    // A picture of the plug-in's resources, by number.
    ASErr (*DrawResPicture)(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureID, const ADMPoint* point);
    ASErr (*DrawResPictureCentered)(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureID, const ADMRect* rect);
    // Inverts what is already drawn in the rectangle, as a pressed button shows.
    ASErr (*InvertRect)(ADMDrawerRef drawer, const ADMRect* rect);
};
