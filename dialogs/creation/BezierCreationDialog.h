// The Bézier creation dialog: the curve drawn on its canvas or taken from a preset, open or closed, hollow or
// filled, and its replicas; OK stores them and lays the curve at the clicked point.
#pragma once

#include "host/ADMTypes.h"

#define kBezierDialogName "ModlBidon"
#define kBezierDialogTitle "Création d'une courbe de Bézier (Vek-Tavorine)."
constexpr int32_t kBezierDialogWidth = 620;
constexpr int32_t kBezierDialogHeight = 585;

// Runs the dialog modally when it is not open already.
void OpenBezierCreationDialog();

ASErr BezierDialogInit(ADMDialogRef dialog);
void BezierReplicaCountNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierReplicaRotationNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierReplicaOffsetHNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierReplicaOffsetVNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierReplicaScaleNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierGridPopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierDialogOk(ADMItemRef item, ADMNotifierRef notifier);
void BezierDialogCancel(ADMItemRef item, ADMNotifierRef notifier);
void BezierDialogDefault(ADMItemRef item, ADMNotifierRef notifier);

// The replica edits show the working replicas: count, rotation in degrees, offsets, scale step.
void ShowBezierReplicaValues(ADMItemRef anyItem);
// The rotation step of the working replicas in degrees, as the rotation edit shows it.
float ReplicaRotationDegrees(double radians);
