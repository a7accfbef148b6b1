// Draws the Velmora 3000 product icon: a rounded square with a teal evening sky, a warm sun and
// a city skyline with lit windows. Writes an .icns file of PNG entries and a 256-pixel PNG.
//
//   velmora_make_icon <out.icns> <out-256.png>
//
// Everything is drawn as vectors on a 1024-unit canvas and rendered at each size directly.

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {

struct Building {
  double x, width, top;
  bool spire;
};

// Front row, left to right, on the 1024 canvas; the ground line is at 820.
const std::vector<Building> kFront = {
    {100, 90, 610, false}, {182, 70, 520, false}, {246, 104, 430, true}, {344, 80, 560, false},
    {418, 120, 360, true}, {532, 76, 500, false}, {602, 96, 450, false}, {692, 70, 580, false},
    {756, 110, 470, true}, {860, 70, 620, false},
};

// Back row, lighter, standing behind the front one.
const std::vector<Building> kBack = {
    {130, 110, 500, false}, {300, 90, 430, false},  {470, 100, 300, false},
    {640, 120, 390, false}, {800, 110, 420, false},
};

constexpr double kGround = 820;

QPainterPath BodyPath() {
  QPainterPath body;
  body.addRoundedRect(QRectF(100, 100, 824, 824), 185, 185);
  return body;
}

void DrawShadow(QPainter& p) {
  // A soft shadow below the body, built from widening translucent outlines.
  for (int i = 12; i >= 1; --i) {
    QPainterPath ring;
    const double grow = i * 2.5;
    ring.addRoundedRect(QRectF(100 - grow, 112 - grow, 824 + 2 * grow, 824 + 2 * grow), 185 + grow,
                        185 + grow);
    p.fillPath(ring, QColor(0, 30, 34, 7));
  }
}

void DrawSky(QPainter& p) {
  QLinearGradient sky(0, 100, 0, 924);
  sky.setColorAt(0.0, QColor(0x5C, 0xCF, 0xD2));
  sky.setColorAt(0.55, QColor(0x17, 0x9A, 0xA0));
  sky.setColorAt(1.0, QColor(0x06, 0x5E, 0x66));
  p.fillRect(QRectF(100, 100, 824, 824), sky);

  QRadialGradient glow(QPointF(690, 360), 260);
  glow.setColorAt(0.0, QColor(255, 236, 190, 150));
  glow.setColorAt(1.0, QColor(255, 236, 190, 0));
  p.fillRect(QRectF(100, 100, 824, 824), glow);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xE6, 0xA8));
  p.drawEllipse(QPointF(690, 360), 96, 96);
}

QPainterPath SkylinePath(const std::vector<Building>& row) {
  QPainterPath path;
  for (const Building& b : row) {
    path.addRect(QRectF(b.x, b.top, b.width, kGround - b.top + 200));
    if (b.spire) {
      const double middle = b.x + b.width / 2;
      path.addRect(QRectF(middle - 6, b.top - 70, 12, 70));
      path.addRect(QRectF(b.x + b.width * 0.2, b.top - 24, b.width * 0.6, 24));
    }
  }
  return path.simplified();
}

void DrawWindows(QPainter& p, const std::vector<Building>& row) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xD8, 0x7A));
  // A fixed pattern of lit windows: every few cells, so it reads as a city at dusk.
  int cell = 0;
  for (const Building& b : row) {
    for (double y = b.top + 34; y < kGround - 30; y += 48) {
      for (double x = b.x + 16; x + 16 <= b.x + b.width - 10; x += 30) {
        if ((cell++ * 7) % 5 < 2) p.drawRoundedRect(QRectF(x, y, 14, 22), 3, 3);
      }
    }
  }
}

void DrawIcon(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  DrawShadow(p);
  const QPainterPath body = BodyPath();
  p.save();
  p.setClipPath(body);
  DrawSky(p);
  p.fillPath(SkylinePath(kBack), QColor(0x9F, 0xE3, 0xE3, 110));
  p.fillPath(SkylinePath(kFront), QColor(0x0B, 0x36, 0x3D));
  DrawWindows(p, kFront);
  // The ground, a strip of water reflecting the sky.
  QLinearGradient water(0, kGround, 0, 924);
  water.setColorAt(0.0, QColor(0x0F, 0x6F, 0x76));
  water.setColorAt(1.0, QColor(0x07, 0x45, 0x4C));
  p.fillRect(QRectF(100, kGround, 824, 104), water);
  p.setPen(QPen(QColor(255, 230, 170, 120), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(620, 852), QPointF(760, 852));
  p.drawLine(QPointF(650, 880), QPointF(730, 880));
  p.restore();
  p.setPen(QPen(QColor(255, 255, 255, 50), 4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
}

QImage Render(int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.scale(pixels / 1024.0, pixels / 1024.0);
  DrawIcon(painter);
  painter.end();
  return image;
}

QByteArray Png(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return data;
}

void AppendBigEndian(QByteArray& out, quint32 value) {
  const quint32 big = qToBigEndian(value);
  out.append(reinterpret_cast<const char*>(&big), 4);
}

// An .icns file: "icns", the total length, then entries of type, length (header included)
// and PNG data.
QByteArray Icns() {
  const std::vector<std::pair<const char*, int>> entries = {
      {"ic11", 32}, {"ic12", 64}, {"ic07", 128}, {"ic08", 256}, {"ic09", 512}, {"ic10", 1024},
  };
  QByteArray body;
  for (const auto& [type, pixels] : entries) {
    const QByteArray png = Png(Render(pixels));
    body.append(type, 4);
    AppendBigEndian(body, static_cast<quint32>(png.size() + 8));
    body.append(png);
  }
  QByteArray file("icns", 4);
  AppendBigEndian(file, static_cast<quint32>(body.size() + 8));
  file.append(body);
  return file;
}

bool Write(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: velmora_make_icon <out.icns> <out-256.png>\n");
    return 2;
  }
  if (!Write(QString::fromLocal8Bit(argv[1]), Icns()) ||
      !Write(QString::fromLocal8Bit(argv[2]), Png(Render(256)))) {
    std::fprintf(stderr, "velmora_make_icon: could not write the icon files\n");
    return 1;
  }
  return 0;
}
