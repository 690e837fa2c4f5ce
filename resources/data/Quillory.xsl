<?xml version="1.0" encoding="UTF-8"?>
<!-- The page of an exported collection (ExportXml/Quillory.xml): the albums
     grouped by series, in alphabetical order, each with its cover, and the
     number of albums of each type. XSLT 1.0. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns:str="http://exslt.org/strings" exclude-result-prefixes="str">
  <xsl:output method="html" encoding="UTF-8" indent="yes"
              doctype-public="-//W3C//DTD HTML 4.01//EN"
              doctype-system="http://www.w3.org/TR/html4/strict.dtd"/>

  <xsl:key name="par-serie" match="/Quillory/BD | /Quillory/Comic | /Quillory/Manga" use="Serie"/>

  <xsl:template match="/Quillory">
    <xsl:variable name="albums" select="BD | Comic | Manga"/>
    <html lang="fr">
      <head>
        <title>Ma collection de BD</title>
        <style type="text/css">
          body { font-family: "DejaVu Sans", Verdana, Arial, sans-serif; margin: 0; background: #f4f1ea; color: #2b2b2b; }
          header { background: #7a2e1d; color: #fff; padding: 18px 32px; }
          header h1 { margin: 0 0 6px 0; font-size: 26px; }
          .compte { display: inline-block; margin-right: 18px; font-size: 14px; }
          .compte b { font-size: 18px; }
          main { padding: 12px 32px 32px 32px; }
          section.serie { background: #fff; border-radius: 6px; margin: 16px 0; padding: 10px 16px; box-shadow: 0 1px 3px rgba(0,0,0,0.15); }
          section.serie h2 { margin: 4px 0 10px 0; font-size: 19px; color: #7a2e1d; }
          section.serie h2 small { color: #777; font-weight: normal; font-size: 13px; }
          .albums { display: flex; flex-wrap: wrap; gap: 14px; }
          .album { width: 150px; font-size: 13px; }
          .album img, .album .sans { width: 150px; height: 200px; object-fit: cover; border: 1px solid #ccc; border-radius: 3px; background: #e9e4d8; }
          .album .sans { display: flex; align-items: center; justify-content: center; color: #999; }
          .album .titre { font-weight: bold; margin-top: 4px; }
          .album .type { color: #7a2e1d; font-size: 11px; text-transform: uppercase; }
          .album .commentaire { color: #555; font-style: italic; margin-top: 2px; }
          .vide { font-style: italic; color: #666; }
        </style>
      </head>
      <body>
        <header>
          <h1>Ma collection de BD</h1>
          <span class="compte"><b><xsl:value-of select="count($albums)"/></b> albums</span>
          <span class="compte">BD euro : <b><xsl:value-of select="NbEuro"/></b></span>
          <span class="compte">Comics : <b><xsl:value-of select="NbComic"/></b></span>
          <span class="compte">Mangas : <b><xsl:value-of select="NbManga"/></b></span>
        </header>
        <main>
          <xsl:if test="not($albums)">
            <p class="vide">La collection ne contient encore aucun album.</p>
          </xsl:if>
          <!-- One section per series: the first album of each series stands for it. -->
          <xsl:for-each select="$albums[generate-id() = generate-id(key('par-serie', Serie)[1])]">
            <xsl:sort select="translate(Serie, 'abcdefghijklmnopqrstuvwxyz', 'ABCDEFGHIJKLMNOPQRSTUVWXYZ')"/>
            <xsl:variable name="serie" select="key('par-serie', Serie)"/>
            <section class="serie">
              <h2>
                <xsl:value-of select="Serie"/>
                <xsl:text> </xsl:text>
                <small>
                  <xsl:value-of select="count($serie)"/>
                  <xsl:choose>
                    <xsl:when test="count($serie) &gt; 1"> albums</xsl:when>
                    <xsl:otherwise> album</xsl:otherwise>
                  </xsl:choose>
                </small>
              </h2>
              <div class="albums">
                <xsl:apply-templates select="$serie"/>
              </div>
            </section>
          </xsl:for-each>
        </main>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="BD | Comic | Manga">
    <div class="album">
      <xsl:choose>
        <xsl:when test="Picture != '_' and Picture != '-'">
          <!-- The file name as an address: "#", "?", "%", spaces, quotes and
               accents are written as %XX (where the processor can). -->
          <xsl:variable name="adresse">
            <xsl:choose>
              <xsl:when test="function-available('str:encode-uri') and starts-with(Picture, 'images/')">
                <xsl:value-of select="concat('images/', str:encode-uri(substring-after(Picture, 'images/'), true()))"/>
              </xsl:when>
              <xsl:otherwise><xsl:value-of select="Picture"/></xsl:otherwise>
            </xsl:choose>
          </xsl:variable>
          <img src="{$adresse}" alt="{Titre}"/>
        </xsl:when>
        <xsl:otherwise>
          <div class="sans">Pas de couverture</div>
        </xsl:otherwise>
      </xsl:choose>
      <div class="type">
        <xsl:choose>
          <xsl:when test="self::Comic">Comic</xsl:when>
          <xsl:when test="self::Manga">Manga</xsl:when>
          <xsl:otherwise>BD</xsl:otherwise>
        </xsl:choose>
      </div>
      <div class="titre"><xsl:value-of select="Titre"/></div>
      <xsl:if test="Comment != '_' and Comment != '-'">
        <div class="commentaire"><xsl:value-of select="Comment"/></div>
      </xsl:if>
    </div>
  </xsl:template>
</xsl:stylesheet>
